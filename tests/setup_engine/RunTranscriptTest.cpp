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
using testing_support::Copying;
using testing_support::kAskCancel;
using testing_support::RolledBack;

namespace {

namespace fs = std::filesystem;

using testing_support::Lines;

constexpr int kYes = setup::kAnswerYes;
constexpr int kNo = setup::kAnswerNo;
constexpr int kYesToAll = setup::kAnswerYesToAll;
constexpr int kDismissed = setup::kAnswerNone;

const char kNoFiles[] = "! Error:  Files= value not specified in SETUP.INI.";
const char kNotListed[] = "! Error:  Not all files are listed in SETUP.INI.";
const char kCannotEnter[] = "! Error:  Cannot copy file into specified directory.";
const char kCannotCopyF6[] = "! Error:  Cannot copy file C:\\Media\\Setup\\f6.txt.";

// The rollback's questions for F1.TXT ... F<count>.TXT in `directory`, then the one
// for `directory` itself if one is given.
Lines Questions(const std::string& directory, int count, const std::string& removed = "") {
    Lines lines;
    for (int i = 1; i <= count; ++i) {
        lines.push_back("question Remove " + directory + "\\F" + std::to_string(i) + ".TXT?");
    }
    if (!removed.empty()) {
        lines.push_back("? Remove directory " + removed + "?");
    }
    return lines;
}

// A step that prepares the drive before the run.
using Step = std::function<void(CInstallFixture&)>;

// SETUP.INI with `setupLines` and the files f1.txt ... f<count>.txt, all present in
// the setup folder; `listed` (default: all) of them are named in [Files].
Step Flat(int count, std::string setupLines = "RequiredDiskSpace=-1",
          std::vector<int> listed = {}) {
    if (listed.empty()) {
        for (int i = 1; i <= count; ++i) {
            listed.push_back(i);
        }
    }
    return [=](CInstallFixture& f) {
        std::string files = "Files=" + std::to_string(count) + "\r\n";
        for (int i : listed) {
            const std::string name = "f" + std::to_string(i) + ".txt";
            files += "File" + std::to_string(i) + "=" + name + "\r\n";
            f.Write("Media/Setup/" + name, "file " + std::to_string(i) + "\n");
        }
        f.WriteIni(setupLines, files);
    };
}
// SETUP.INI with no space check and `files` as its [Files] section.
Step Ini(std::string files) {
    return [=](CInstallFixture& f) { f.WriteIni("RequiredDiskSpace=-1", files); };
}
Step Folder(std::string relative) {
    return [=](CInstallFixture& f) { f.m_scope.MakeDirectories(relative); };
}
Step File(std::string relative, std::string contents) {
    return [=](CInstallFixture& f) { f.Write(relative, contents); };
}
Step Remove(std::string relative) {
    return [=](CInstallFixture& f) { fs::remove(f.m_scope.Host(relative)); };
}

const std::string kLongLevel(120, 'L');
const std::string kLongPath = kLongLevel + "/" + kLongLevel + "/" + kLongLevel;

struct CRunCase {
    const char* what{};
    std::vector<Step> given{};
    std::optional<std::string> chosen = "C:\\Games";  // in the directory dialog
    std::vector<int> questionAnswers{};
    std::vector<bool> yesNoAnswers{};
    int cancelDuring = 0;
    bool cancelConfirmed = true;
    std::optional<unsigned long long> freeBytes{};  // with the space query answered so
    bool freeSpaceReadable = true;
    Lines transcript{};
    std::string currentAfter = "C:\\Media";  // Windows form
    std::string postCopy{};                  // the one post-copy call, if any
    // Below C: afterwards: "name" exists, "!name" does not, "name=contents" is a file
    // holding exactly that.
    Lines after{};
    std::string measured{};  // the directory whose free space was asked for
};

const std::vector<CRunCase>& Cases() {
    static const std::vector<CRunCase> cases = {
        {.what = "the directory dialog is cancelled",
         .given = {Flat(1)},
         .chosen = std::nullopt,
         .transcript = {"directory"}},
        {.what = "free space equal to the required space passes",
         .given = {Flat(3, "RequiredDiskSpace=1000"), Folder("Games")},
         .chosen = "C:\\Games\\Word",
         .freeBytes = 1000,
         .transcript = Copying("C:\\Games\\Word", 3, 3, {"end"}),
         .postCopy = "C:\\Games\\Word\\|C:\\Games\\Word",
         .after = {"Games/Word/F1.TXT=file 1\n", "Games/Word/F3.TXT=file 3\n"},
         .measured = "C:\\Games\\"},
        {.what = "one byte more than is free",
         .given = {Flat(1, "RequiredDiskSpace=1001"), Folder("Games")},
         .chosen = "C:\\Games\\Word",
         .freeBytes = 1000,
         .transcript = {"directory",
                        "! Error:  There is not enough room on drive C to install the program."},
         .after = {"!Games/Word"},
         .measured = "C:\\Games\\"},
        {.what = "unreadable free space counts as none",
         .given = {Flat(1, "RequiredDiskSpace=1")},
         .chosen = "c:\\New\\Deeper",
         .freeBytes = 0,
         .freeSpaceReadable = false,
         .transcript = {"directory",
                        "! Error:  There is not enough room on drive c to install the program."},
         .after = {"!New"},
         .measured = "C:\\"},
        {.what = "no required space: a warning and no check",
         .given = {Flat(1, "")},
         .transcript = {"directory", "! Warning:  Could not determine required disk space.",
                        "progress C:\\Games", "status Copying file 1 of 1...", "end"},
         .postCopy = "C:\\Games\\|C:\\Games",
         .after = {"Games/F1.TXT"}},
        {.what = "Files missing: no file question, then the directory question",
         .given = {Ini(""), Folder("Games")},
         .chosen = "C:\\Games\\Word\\",
         .yesNoAnswers = {true},
         .transcript = Copying("C:\\Games\\Word", 0, 0,
                               RolledBack(kNoFiles, {"? Remove directory C:\\Games\\Word?"})),
         .currentAfter = "C:\\",
         .after = {"Games", "!Games/Word"}},
        {.what = "File3 missing, No to the second file: the directory stays",
         .given = {Flat(4, "RequiredDiskSpace=-1", {1, 2, 4})},
         .questionAnswers = {kYes, kNo},
         .transcript = Copying("C:\\Games", 2, 4, RolledBack(kNotListed, Questions("C:\\Games", 2))),
         .after = {"Games/F2.TXT", "!Games/F1.TXT"}},
        {.what = "a dismissed question keeps its file and the directory",
         .given = {Flat(3, "RequiredDiskSpace=-1", {1, 2})},
         .questionAnswers = {kDismissed, kYes},
         .transcript = Copying("C:\\Games", 2, 3, RolledBack(kNotListed, Questions("C:\\Games", 2))),
         .after = {"Games/F1.TXT", "!Games/F2.TXT"}},
        {.what = "Yes to All on the second of five, the first removed too",
         .given = {Flat(6), Remove("Media/Setup/f6.txt")},
         .questionAnswers = {kYes, kYesToAll},
         .yesNoAnswers = {true},
         .transcript = Copying("C:\\Games", 6, 6,
                               RolledBack(kCannotCopyF6, Questions("C:\\Games", 2, "C:\\Games"))),
         .currentAfter = "C:\\",
         .after = {"!Games"}},
        {.what = "Yes to All on the second of five after No on the first",
         .given = {Flat(6), Remove("Media/Setup/f6.txt")},
         .questionAnswers = {kNo, kYesToAll},
         .transcript = Copying("C:\\Games", 6, 6, RolledBack(kCannotCopyF6, Questions("C:\\Games", 2))),
         .after = {"Games/F1.TXT", "!Games/F2.TXT", "!Games/F5.TXT"}},
        {.what = "File1=readme.txt creates README.TXT",
         .given = {Ini("Files=1\r\nFile1=readme.txt"), File("Media/Setup/readme.txt", "read me\n")},
         .transcript = Copying("C:\\Games", 1, 1, {"end"}),
         .postCopy = "C:\\Games\\|C:\\Games",
         .after = {"Games/README.TXT=read me\n", "!Games/readme.txt"}},
        {.what = "created levels go deepest first, the existing level stays",
         .given = {Ini(""), Folder("A")},
         .chosen = "C:\\A\\B\\C",
         .yesNoAnswers = {true},
         .transcript = Copying("C:\\A\\B\\C", 0, 0,
                               RolledBack(kNoFiles, {"? Remove directory C:\\A\\B\\C?"})),
         .currentAfter = "C:\\",
         .after = {"A", "!A/B"}},
        {.what = "an existing empty directory is offered and removed",
         .given = {Ini(""), Folder("Prod")},
         .chosen = "C:\\Prod",
         .yesNoAnswers = {true},
         .transcript = Copying("C:\\Prod", 0, 0, RolledBack(kNoFiles, {"? Remove directory C:\\Prod?"})),
         .currentAfter = "C:\\",
         .after = {"!Prod"}},
        {.what = "an existing directory with files stays",
         .given = {Flat(2), File("Prod/Keep.txt", "keep\n")},
         .chosen = "C:\\Prod",
         .questionAnswers = {kYesToAll},
         .yesNoAnswers = {true, true},
         .cancelDuring = 1,
         .transcript = Copying("C:\\Prod", 1, 2, RolledBack(kAskCancel, Questions("C:\\Prod", 1, "C:\\Prod"))),
         .currentAfter = "C:\\",
         .after = {"Prod/Keep.txt=keep\n", "!Prod/F1.TXT", "!Prod/F2.TXT"}},
        {.what = "a cancel declined: copying goes on",
         .given = {Flat(3)},
         .cancelDuring = 1,
         .cancelConfirmed = false,
         .transcript = Copying("C:\\Games", 1, 3,
                               {kAskCancel, "status Copying file 2 of 3...",
                                "status Copying file 3 of 3...", "end"}),
         .postCopy = "C:\\Games\\|C:\\Games",
         .after = {"Games/F3.TXT"}},
        {.what = "a cancel during the last file comes too late",
         .given = {Flat(2)},
         .cancelDuring = 2,
         .transcript = Copying("C:\\Games", 2, 2, {"end"}),
         .postCopy = "C:\\Games\\|C:\\Games",
         .after = {"Games/F2.TXT"}},
        {.what = "a negative count copies nothing and completes",
         .given = {Ini("Files=-2")},
         .transcript = Copying("C:\\Games", 0, 0, {"end"}),
         .postCopy = "C:\\Games\\|C:\\Games"},
        {.what = "the chosen path is a file: it cannot be entered",
         .given = {Flat(1), File("Prod", "a file\n")},
         .chosen = "C:\\Prod",
         .transcript = {"directory", kCannotEnter},
         .after = {"Prod=a file\n"}},
        {.what = "a level below a file: not created, then not entered",
         .given = {Flat(1), File("F", "a file\n")},
         .chosen = "C:\\F\\Sub",
         .transcript = {"directory", "! Error:  Could not create directory C:\\F\\Sub.",
                        kCannotEnter}},
#ifndef _WIN32
        // POSIX resolves a link in the current directory's path; Win32 keeps the
        // path the directory was entered by, whose full path is short.
        {.what = "the directory's full path is too long: it stays current",
         .given = {Flat(1), Folder(kLongPath),
                   [](CInstallFixture& f) {
                       fs::create_directory_symlink(f.m_scope.Host(kLongPath), f.m_scope.Host("L"));
                   }},
         .chosen = "C:\\L",
         .transcript = {"directory", kCannotEnter},
         .currentAfter = "C:\\" + kLongLevel + "\\" + kLongLevel + "\\" + kLongLevel},
#endif
        {.what = "a second install in another case replaces the files of the first",
         .given = {Ini("Files=1\r\nFile1=readme.txt"), File("Media/Setup/readme.txt", "new\n"),
                   File("Games/Word/Readme.txt", "old\n")},
         .chosen = "C:\\games\\WORD",
         .transcript = Copying("C:\\Games\\Word", 1, 1, {"end"}),
         .postCopy = "C:\\games\\WORD\\|C:\\Games\\Word",
         .after = {"Games/Word/Readme.txt=new\n", "!Games/Word/README.TXT", "!GAMES"}},
        {.what = "a case variant that leads nowhere is passed over",
         .given = {Ini("Files=1\r\nFile1=games\\sub\\file.txt"),
                   File("Media/Setup/games/sub/file.txt", "nested\n"), Folder("Inst/GAMES"),
                   Folder("Inst/Games/Sub")},
         .chosen = "C:\\Inst",
         .transcript = Copying("C:\\Inst", 1, 1, {"end"}),
         .postCopy = "C:\\Inst\\|C:\\Inst",
         .after = {"Inst/Games/Sub/FILE.TXT=nested\n"}},
    };
    return cases;
}

}  // namespace

TEST(InstallationRun, EachPathShowsItsMessagesAndLeavesTheDriveAsItSays) {
    for (const CRunCase& c : Cases()) {
        SCOPED_TRACE(c.what);
        CInstallFixture f;
        for (const Step& step : c.given) {
            step(f);
        }
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
        EXPECT_EQ(f.m_postCopyCalls, c.postCopy.empty() ? Lines{} : Lines{c.postCopy});
        EXPECT_EQ(measured, c.measured);
        EXPECT_TRUE(f.m_ui.m_questionAnswers.empty());
        EXPECT_LE(f.m_ui.ProgressEnds(), 1);
        for (const std::string& entry : c.after) {
            const std::size_t equals = entry.find('=');
            if (entry.starts_with('!')) {
                EXPECT_FALSE(f.Exists(entry.substr(1))) << entry;
            } else if (equals == std::string::npos) {
                EXPECT_TRUE(f.Exists(entry)) << entry;
            } else {
                const std::string name = entry.substr(0, equals);
                EXPECT_TRUE(f.Exists(name) && f.Read(name) == entry.substr(equals + 1)) << entry;
            }
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
