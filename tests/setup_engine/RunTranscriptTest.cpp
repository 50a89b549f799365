// The installation run end to end on a real drive: what the user sees, in order,
// what is left on disk, which directory is current afterwards and whether the
// post-copy actions ran, for each path through the run.
#include <filesystem>
#include <functional>
#include <optional>

#include <gtest/gtest.h>

#include "platform/CurrentDirectory.h"
#include "platform/DiskSpace.h"
#include "setup/engine/InstallerWindows.h"
#include "tests/setup_engine/InstallFixture.h"

using testing_support::CInstallFixture;

namespace {

namespace fs = std::filesystem;

constexpr int kYes = setup::kAnswerYes;
constexpr int kNo = setup::kAnswerNo;
constexpr int kYesToAll = setup::kAnswerYesToAll;
constexpr int kDismissed = setup::kAnswerNone;

const char kCopyFailed[] =
    "! Error:  Could not copy files to the specified directory.  If your hard disk is low on "
    "space, delete some files and try again.";
const char kRemoving[] = "i Setup will now remove the files and directory that were created.";
const char kNoFiles[] = "! Error:  Files= value not specified in SETUP.INI.";
const char kCannotEnter[] = "! Error:  Cannot copy file into specified directory.";

// SETUP.INI with `setupLines` and the files f1.txt ... f<count>.txt, all present in
// the setup folder; `listed` (default: all) of them are named in [Files].
void Flat(const CInstallFixture& f, int count, const std::string& setupLines,
          std::vector<int> listed = {}) {
    if (listed.empty()) {
        for (int i = 1; i <= count; ++i) {
            listed.push_back(i);
        }
    }
    std::string files = "Files=" + std::to_string(count) + "\r\n";
    for (int i : listed) {
        const std::string name = "f" + std::to_string(i) + ".txt";
        files += "File" + std::to_string(i) + "=" + name + "\r\n";
        f.Write("Media/Setup/" + name, "file " + std::to_string(i) + "\n");
    }
    f.WriteIni(setupLines, files);
}

std::vector<std::string> Statuses(int count, int of) {
    std::vector<std::string> lines;
    for (int i = 1; i <= count; ++i) {
        lines.push_back("status Copying file " + std::to_string(i) + " of " + std::to_string(of) +
                        "...");
    }
    return lines;
}

std::vector<std::string> Join(std::initializer_list<std::vector<std::string>> parts) {
    std::vector<std::string> all;
    for (const auto& part : parts) {
        all.insert(all.end(), part.begin(), part.end());
    }
    return all;
}

const std::string kLongLevel(120, 'L');

struct CRunCase {
    const char* what{};
    std::function<void(CInstallFixture&)> prepare{};
    std::optional<std::string> chosen{};
    std::vector<int> questionAnswers{};
    std::vector<bool> yesNoAnswers{};
    int cancelDuring = 0;
    bool cancelConfirmed = true;
    std::optional<unsigned long long> freeBytes{};  // with the space query answered so
    bool freeSpaceReadable = true;
    std::vector<std::string> transcript{};
    std::string currentAfter{};  // Windows form
    std::vector<std::string> postCopy{};
    std::vector<std::pair<std::string, std::string>> filesAfter{};  // below C:, contents
    std::vector<std::string> existAfter{};
    std::vector<std::string> goneAfter{};
    std::string measured{};  // the directory whose free space was asked for
};

const std::vector<CRunCase>& Cases() {
    static const std::vector<CRunCase> cases = {
        {.what = "the directory dialog is cancelled",
         .prepare = [](CInstallFixture& f) { Flat(f, 1, "RequiredDiskSpace=-1"); },
         .chosen = std::nullopt,
         .transcript = {"directory"},
         .currentAfter = "C:\\Media"},
        {.what = "free space equal to the required space passes",
         .prepare =
             [](CInstallFixture& f) {
                 Flat(f, 3, "RequiredDiskSpace=1000");
                 f.m_scope.MakeDirectories("Games");
             },
         .chosen = "C:\\Games\\Word",
         .freeBytes = 1000,
         .transcript = Join({{"directory", "progress C:\\Games\\Word"}, Statuses(3, 3), {"end"}}),
         .currentAfter = "C:\\Media",
         .postCopy = {"C:\\Games\\Word\\|C:\\Games\\Word"},
         .filesAfter = {{"Games/Word/F1.TXT", "file 1\n"}, {"Games/Word/F3.TXT", "file 3\n"}},
         .measured = "C:\\Games\\"},
        {.what = "one byte more than is free",
         .prepare =
             [](CInstallFixture& f) {
                 Flat(f, 1, "RequiredDiskSpace=1001");
                 f.m_scope.MakeDirectories("Games");
             },
         .chosen = "C:\\Games\\Word",
         .freeBytes = 1000,
         .transcript = {"directory",
                        "! Error:  There is not enough room on drive C to install the program."},
         .currentAfter = "C:\\Media",
         .goneAfter = {"Games/Word"},
         .measured = "C:\\Games\\"},
        {.what = "unreadable free space counts as none",
         .prepare = [](CInstallFixture& f) { Flat(f, 1, "RequiredDiskSpace=1"); },
         .chosen = "c:\\New\\Deeper",
         .freeBytes = 0,
         .freeSpaceReadable = false,
         .transcript = {"directory",
                        "! Error:  There is not enough room on drive c to install the program."},
         .currentAfter = "C:\\Media",
         .goneAfter = {"New"},
         .measured = "C:\\"},
        {.what = "no required space: a warning and no check",
         .prepare = [](CInstallFixture& f) { Flat(f, 1, ""); },
         .chosen = "C:\\Games",
         .transcript = Join({{"directory", "! Warning:  Could not determine required disk space.",
                              "progress C:\\Games"},
                             Statuses(1, 1),
                             {"end"}}),
         .currentAfter = "C:\\Media",
         .postCopy = {"C:\\Games\\|C:\\Games"},
         .existAfter = {"Games/F1.TXT"}},
        {.what = "Files missing: no file question, then the directory question",
         .prepare =
             [](CInstallFixture& f) {
                 f.WriteIni("RequiredDiskSpace=-1", "");
                 f.m_scope.MakeDirectories("Games");
             },
         .chosen = "C:\\Games\\Word\\",
         .yesNoAnswers = {true},
         .transcript = {"directory", "progress C:\\Games\\Word", kNoFiles, "end", kCopyFailed,
                        kRemoving, "? Remove directory C:\\Games\\Word?"},
         .currentAfter = "C:\\",
         .existAfter = {"Games"},
         .goneAfter = {"Games/Word"}},
        {.what = "File3 missing, No to the second file: the directory stays",
         .prepare =
             [](CInstallFixture& f) {
                 Flat(f, 4, "RequiredDiskSpace=-1", {1, 2, 4});
             },
         .chosen = "C:\\Games",
         .questionAnswers = {kYes, kNo},
         .transcript = Join(
             {{"directory", "progress C:\\Games"},
              Statuses(2, 4),
              {"! Error:  Not all files are listed in SETUP.INI.", "end", kCopyFailed, kRemoving,
               "question Remove C:\\Games\\F1.TXT?", "question Remove C:\\Games\\F2.TXT?"}}),
         .currentAfter = "C:\\Media",
         .existAfter = {"Games/F2.TXT"},
         .goneAfter = {"Games/F1.TXT"}},
        {.what = "a dismissed question keeps its file and the directory",
         .prepare =
             [](CInstallFixture& f) {
                 Flat(f, 3, "RequiredDiskSpace=-1", {1, 2});
             },
         .chosen = "C:\\Games",
         .questionAnswers = {kDismissed, kYes},
         .transcript = Join(
             {{"directory", "progress C:\\Games"},
              Statuses(2, 3),
              {"! Error:  Not all files are listed in SETUP.INI.", "end", kCopyFailed, kRemoving,
               "question Remove C:\\Games\\F1.TXT?", "question Remove C:\\Games\\F2.TXT?"}}),
         .currentAfter = "C:\\Media",
         .existAfter = {"Games/F1.TXT"},
         .goneAfter = {"Games/F2.TXT"}},
        {.what = "Yes to All on the second of five, the first removed too",
         .prepare =
             [](CInstallFixture& f) {
                 Flat(f, 6, "RequiredDiskSpace=-1");
                 fs::remove(f.m_scope.Host("Media/Setup/f6.txt"));
             },
         .chosen = "C:\\Games",
         .questionAnswers = {kYes, kYesToAll},
         .yesNoAnswers = {true},
         .transcript =
             Join({{"directory", "progress C:\\Games"},
                   Statuses(6, 6),
                   {"! Error:  Cannot copy file C:\\Media\\Setup\\f6.txt.", "end", kCopyFailed,
                    kRemoving, "question Remove C:\\Games\\F1.TXT?",
                    "question Remove C:\\Games\\F2.TXT?", "? Remove directory C:\\Games?"}}),
         .currentAfter = "C:\\",
         .goneAfter = {"Games"}},
        {.what = "Yes to All on the second of five after No on the first",
         .prepare =
             [](CInstallFixture& f) {
                 Flat(f, 6, "RequiredDiskSpace=-1");
                 fs::remove(f.m_scope.Host("Media/Setup/f6.txt"));
             },
         .chosen = "C:\\Games",
         .questionAnswers = {kNo, kYesToAll},
         .transcript = Join({{"directory", "progress C:\\Games"},
                             Statuses(6, 6),
                             {"! Error:  Cannot copy file C:\\Media\\Setup\\f6.txt.", "end",
                              kCopyFailed, kRemoving, "question Remove C:\\Games\\F1.TXT?",
                              "question Remove C:\\Games\\F2.TXT?"}}),
         .currentAfter = "C:\\Media",
         .existAfter = {"Games/F1.TXT"},
         .goneAfter = {"Games/F2.TXT", "Games/F5.TXT"}},
        {.what = "File1=readme.txt creates README.TXT",
         .prepare =
             [](CInstallFixture& f) {
                 f.WriteIni("RequiredDiskSpace=-1", "Files=1\r\nFile1=readme.txt");
                 f.Write("Media/Setup/readme.txt", "read me\n");
             },
         .chosen = "C:\\Games",
         .transcript = Join({{"directory", "progress C:\\Games"}, Statuses(1, 1), {"end"}}),
         .currentAfter = "C:\\Media",
         .postCopy = {"C:\\Games\\|C:\\Games"},
         .filesAfter = {{"Games/README.TXT", "read me\n"}},
         .goneAfter = {"Games/readme.txt"}},
        {.what = "created levels go deepest first, the existing level stays",
         .prepare =
             [](CInstallFixture& f) {
                 f.WriteIni("RequiredDiskSpace=-1", "");
                 f.m_scope.MakeDirectories("A");
             },
         .chosen = "C:\\A\\B\\C",
         .yesNoAnswers = {true},
         .transcript = {"directory", "progress C:\\A\\B\\C", kNoFiles, "end", kCopyFailed,
                        kRemoving, "? Remove directory C:\\A\\B\\C?"},
         .currentAfter = "C:\\",
         .existAfter = {"A"},
         .goneAfter = {"A/B"}},
        {.what = "an existing empty directory is offered and removed",
         .prepare =
             [](CInstallFixture& f) {
                 f.WriteIni("RequiredDiskSpace=-1", "");
                 f.m_scope.MakeDirectories("Prod");
             },
         .chosen = "C:\\Prod",
         .yesNoAnswers = {true},
         .transcript = {"directory", "progress C:\\Prod", kNoFiles, "end", kCopyFailed, kRemoving,
                        "? Remove directory C:\\Prod?"},
         .currentAfter = "C:\\",
         .goneAfter = {"Prod"}},
        {.what = "an existing directory with files stays",
         .prepare =
             [](CInstallFixture& f) {
                 Flat(f, 2, "RequiredDiskSpace=-1");
                 f.Write("Prod/Keep.txt", "keep\n");
             },
         .chosen = "C:\\Prod",
         .questionAnswers = {kYesToAll},
         .yesNoAnswers = {true, true},
         .cancelDuring = 1,
         .transcript = Join(
             {{"directory", "progress C:\\Prod"},
              Statuses(1, 2),
              {"? Are you sure you want to cancel?", "end", "! Setup cancelled by user.", kRemoving,
               "question Remove C:\\Prod\\F1.TXT?", "? Remove directory C:\\Prod?"}}),
         .currentAfter = "C:\\",
         .filesAfter = {{"Prod/Keep.txt", "keep\n"}},
         .goneAfter = {"Prod/F1.TXT", "Prod/F2.TXT"}},
        {.what = "a cancel declined: copying goes on",
         .prepare = [](CInstallFixture& f) { Flat(f, 3, "RequiredDiskSpace=-1"); },
         .chosen = "C:\\Games",
         .cancelDuring = 1,
         .cancelConfirmed = false,
         .transcript =
             Join({{"directory", "progress C:\\Games"},
                   Statuses(1, 3),
                   {"? Are you sure you want to cancel?"},
                   {"status Copying file 2 of 3...", "status Copying file 3 of 3...", "end"}}),
         .currentAfter = "C:\\Media",
         .postCopy = {"C:\\Games\\|C:\\Games"},
         .existAfter = {"Games/F3.TXT"}},
        {.what = "a cancel during the last file comes too late",
         .prepare = [](CInstallFixture& f) { Flat(f, 2, "RequiredDiskSpace=-1"); },
         .chosen = "C:\\Games",
         .cancelDuring = 2,
         .transcript = Join({{"directory", "progress C:\\Games"}, Statuses(2, 2), {"end"}}),
         .currentAfter = "C:\\Media",
         .postCopy = {"C:\\Games\\|C:\\Games"},
         .existAfter = {"Games/F2.TXT"}},
        {.what = "a negative count copies nothing and completes",
         .prepare = [](CInstallFixture& f) { f.WriteIni("RequiredDiskSpace=-1", "Files=-2"); },
         .chosen = "C:\\Games",
         .transcript = {"directory", "progress C:\\Games", "end"},
         .currentAfter = "C:\\Media",
         .postCopy = {"C:\\Games\\|C:\\Games"}},
        {.what = "the chosen path is a file: it cannot be entered",
         .prepare =
             [](CInstallFixture& f) {
                 Flat(f, 1, "RequiredDiskSpace=-1");
                 f.Write("Prod", "a file\n");
             },
         .chosen = "C:\\Prod",
         .transcript = {"directory", kCannotEnter},
         .currentAfter = "C:\\Media",
         .filesAfter = {{"Prod", "a file\n"}}},
        {.what = "a level below a file: not created, then not entered",
         .prepare =
             [](CInstallFixture& f) {
                 Flat(f, 1, "RequiredDiskSpace=-1");
                 f.Write("F", "a file\n");
             },
         .chosen = "C:\\F\\Sub",
         .transcript = {"directory", "! Error:  Could not create directory C:\\F\\Sub.",
                        kCannotEnter},
         .currentAfter = "C:\\Media"},
        {.what = "the directory's full path is too long: it stays current",
         .prepare =
             [](CInstallFixture& f) {
                 Flat(f, 1, "RequiredDiskSpace=-1");
                 f.m_scope.MakeDirectories(kLongLevel + "/" + kLongLevel + "/" + kLongLevel);
                 fs::create_directory_symlink(
                     f.m_scope.Host(kLongLevel + "/" + kLongLevel + "/" + kLongLevel),
                     f.m_scope.Host("L"));
             },
         .chosen = "C:\\L",
         .transcript = {"directory", kCannotEnter},
         .currentAfter = "C:\\" + kLongLevel + "\\" + kLongLevel + "\\" + kLongLevel},
        {.what = "a second install in another case replaces the files of the first",
         .prepare =
             [](CInstallFixture& f) {
                 f.WriteIni("RequiredDiskSpace=-1", "Files=1\r\nFile1=readme.txt");
                 f.Write("Media/Setup/readme.txt", "new\n");
                 f.Write("Games/Word/Readme.txt", "old\n");
             },
         .chosen = "C:\\games\\WORD",
         .transcript = Join({{"directory", "progress C:\\Games\\Word"}, Statuses(1, 1), {"end"}}),
         .currentAfter = "C:\\Media",
         .postCopy = {"C:\\games\\WORD\\|C:\\Games\\Word"},
         .filesAfter = {{"Games/Word/Readme.txt", "new\n"}},
         .goneAfter = {"Games/Word/README.TXT", "GAMES"}},
        {.what = "a case variant that leads nowhere is passed over",
         .prepare =
             [](CInstallFixture& f) {
                 f.WriteIni("RequiredDiskSpace=-1", "Files=1\r\nFile1=games\\sub\\file.txt");
                 f.Write("Media/Setup/games/sub/file.txt", "nested\n");
                 f.m_scope.MakeDirectories("Inst/GAMES");
                 f.m_scope.MakeDirectories("Inst/Games/Sub");
             },
         .chosen = "C:\\Inst",
         .transcript = Join({{"directory", "progress C:\\Inst"}, Statuses(1, 1), {"end"}}),
         .currentAfter = "C:\\Media",
         .postCopy = {"C:\\Inst\\|C:\\Inst"},
         .filesAfter = {{"Inst/Games/Sub/FILE.TXT", "nested\n"}}},
    };
    return cases;
}

}  // namespace

TEST(InstallationRun, EachPathShowsItsMessagesAndLeavesTheDriveAsItSays) {
    for (const CRunCase& c : Cases()) {
        SCOPED_TRACE(c.what);
        CInstallFixture f;
        c.prepare(f);
        f.m_scope.MakeDirectories("Media");
        f.m_scope.Enter("Media");
        std::string measured;
        if (c.freeBytes) {
            platform::OverrideDiskFreeSpace(
                [&](const std::string& path, platform::CDiskFreeSpace& space) {
                    measured = path;
                    space.m_nSectorsPerCluster = 1;
                    space.m_nBytesPerSector = 1;
                    space.m_nFreeClusters = *c.freeBytes;
                    return c.freeSpaceReadable;
                });
        }
        f.m_ui.m_strChosenPath = c.chosen;
        f.m_ui.m_questionAnswers.assign(c.questionAnswers.begin(), c.questionAnswers.end());
        if (c.cancelDuring > 0) {
            f.m_ui.CancelDuringFile(c.cancelDuring, c.cancelConfirmed);
        }
        f.m_ui.m_yesNoAnswers.insert(f.m_ui.m_yesNoAnswers.end(), c.yesNoAnswers.begin(),
                                     c.yesNoAnswers.end());
        f.Run();
        platform::OverrideDiskFreeSpace(nullptr);

        EXPECT_EQ(f.m_ui.Lines(), c.transcript);
        EXPECT_EQ(platform::CurrentDirectory(), c.currentAfter);
        EXPECT_EQ(f.m_postCopyCalls, c.postCopy);
        EXPECT_EQ(measured, c.measured);
        EXPECT_TRUE(f.m_ui.m_questionAnswers.empty());
        EXPECT_LE(f.m_ui.ProgressEnds(), 1);
        for (const auto& [name, contents] : c.filesAfter) {
            EXPECT_TRUE(f.Exists(name) && f.Read(name) == contents) << name;
        }
        for (const std::string& name : c.existAfter) {
            EXPECT_TRUE(f.Exists(name)) << name;
        }
        for (const std::string& name : c.goneAfter) {
            EXPECT_FALSE(f.Exists(name)) << name;
        }
        if (c.chosen) {
            const std::string& chosen = *c.chosen;
            EXPECT_EQ(f.m_strInstallDirectory, chosen.back() == '\\' ? chosen : chosen + "\\");
        }
    }
}

TEST(InstallationRun, ProgressCountsTheBytesOfAllFilesAndALargeFileInChunks) {
    CInstallFixture f;
    testing_support::MakeStandardProduct(f);
    std::uint64_t total = 0;
    for (const auto& file : testing_support::kProduct) {
        total += fs::file_size(f.m_scope.Host("Media/Setup/" + file.source));
    }
    f.m_ui.m_strChosenPath = "C:\\Prod";
    f.Run();
    ASSERT_EQ(f.m_postCopyCalls.size(), 1u);
    const auto& progress = f.m_ui.Progress();
    ASSERT_FALSE(progress.empty());
    int large = 0;  // reports made while four.bin, the 3 MiB file, was copied
    std::uint64_t previous = 0;
    for (const auto& [done, of] : progress) {
        EXPECT_EQ(of, total);
        EXPECT_GE(done, previous);
        large += done > previous && done - previous < 3 * 1024 * 1024 && done > 1024 * 1024 ? 1 : 0;
        previous = done;
    }
    EXPECT_EQ(progress.back().first, total);
    EXPECT_GE(large, 3);
    for (const auto& file : testing_support::kProduct) {
        EXPECT_EQ(f.Read(file.destination), f.Read("Media/Setup/" + file.source));
    }
}
