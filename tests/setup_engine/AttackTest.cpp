// Attacks on a running installation from outside: folders swapped for links between
// files and during one, hard links, hostile modes, a second run, leftovers of a
// killed run. Each row installs the standard product into C:\Prod and then checks
// the whole drive: every entry a row does not name is as it was, byte for byte and
// inode for inode.
#ifndef _WIN32
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#endif

#include <filesystem>
#include <functional>

#include <gtest/gtest.h>

#include "setup/engine/InstallationRun.h"
#include "setup/engine/UninstallRecord.h"
#include "tests/setup_engine/InstallFixture.h"
#include "tests/support/FileSystemFaults.h"
#include "tests/support/Links.h"

using testing_support::CInstallFixture;
using testing_support::Lines;
using Outcome = setup::InstallOutcome;

namespace {

namespace fs = std::filesystem;
using Tree = std::map<std::string, std::string>;

// `after` against `before`, but for the entries `changes` name: "name" exists,
// "!name" does not, "name|=bytes" holds those bytes, "name|#mode" has that mode,
// "name|>old" is the entry `old` was (same inode and bytes), with all below it.
void ExpectDrive(const Tree& before, Tree after, const Lines& changes) {
    Tree expected = before;
    for (const std::string& change : changes) {
        const std::size_t bar =
            change.find('|') == std::string::npos ? change.size() : change.find('|');
        const std::string name = change.substr(change[0] == '!', bar - (change[0] == '!'));
        const std::string arg = bar == change.size() ? "" : change.substr(bar + 2);
        std::string& now = after[name];  // "" when missing
        const char kind = change[0] == '!' ? '!' : bar == change.size() ? ' ' : change[bar + 1];
        if (kind == '!') {
            expected.erase(name);
            after.erase(now.empty() ? name : "");
        } else if (kind == '>') {
            expected[name] = before.at(arg);
            for (const auto& [path, entry] : before) {
                if (path.rfind(arg + "/", 0) == 0) {
                    expected.erase(path);
                    expected[name + path.substr(arg.size())] = entry;
                }
            }
        } else if (kind == '=' && !now.empty()) {
            now = now.substr(now.find(": ") + 2);
            expected[name] = arg;
        } else if (kind == '#' && !now.empty()) {
            now = now.substr(0, now.find(" inode"));
            expected[name] = "mode " + arg;
        } else {
            expected[name] = now.empty() ? "(missing)" : now;
        }
    }
    EXPECT_EQ(after, expected);
}

// The standard product installed.
const Lines kInstalled = {"Prod/ONE.TXT|=contents of one.txt\n",
                          "Prod/Data/TWO.TXT",
                          "Prod/Docs/THREE.TXT",
                          "Prod/FOUR.BIN",
                          "Prod/Data/Sub/FIVE.TXT",
                          "Prod/" + std::string(setup::CUninstallRecord::kProgramName),
                          "Prod/setup.ini",
                          "Prod/uninstall.dat"};

// The folder `relative` below C: goes to `aside` and a link to C:\Outside takes its place.
void SwapForLink(CInstallFixture& f, const std::string& relative, const std::string& aside) {
    fs::rename(f.m_scope.Host(relative), f.m_scope.Host(aside));
    testing_support::MakeFolderLink(f.m_scope.Host("Outside"), f.m_scope.Host(relative));
}

using Step = std::function<void(CInstallFixture&)>;

struct CAttack {
    // Only where a folder's handle keeps leading to that folder after it was renamed:
    // Wine finds what lies below a handle by the path it was opened with.
    bool bRenamesTheFolderItself;
    const char* what;
    Step prepare;    // before the drive is taken
    int beforeFile;  // the attack runs before this file; 0: during FOUR.BIN
    Step attack;
    Outcome outcome;
    Lines changes;
};

const CAttack kAttacks[] = {
    {false, "a folder written to becomes a link before its next file",
     [](auto& f) {
         f.m_scope.MakeDirectories("Outside");
         f.Write("Media/Setup/Data/six.txt", "six\n");
         f.WriteFileList({"one.txt", "Data\\two.txt", "Docs\\three.txt", "four.bin",
                          "Data\\Sub\\five.txt", "Data\\six.txt"});
     },
     6,
     [](auto& f) { SwapForLink(f, "Prod/Data", "Prod/Held"); },
     Outcome::Failed,
     // The rollback follows no link to remove TWO.TXT and FIVE.TXT; the journal that
     // names them stays for the next run.
     {"Prod/Data", "Prod/Held|>Prod/Data", "Prod/Held/TWO.TXT", "Prod/Held/Sub/FIVE.TXT",
      "Prod/.~setup-journal"}},
    {true, "the install folder becomes a link during a file, then a file fails",
     [](auto& f) {
         for (const char* name : {"Outside/ONE.TXT", "Outside/FOUR.BIN", "Outside/Data/TWO.TXT"}) {
             f.Write(name, "someone else's\n");
         }
         f.m_scope.MakeDirectories("Outside/Data/Sub");
         fs::remove(f.m_scope.Host("Media/Setup/Data/Sub/five.txt"));
     },
     0,
     [](auto& f) { SwapForLink(f, "Prod", "Held"); },
     Outcome::Failed,
     {"Prod", "Held|>Prod"}},
#ifndef _WIN32
    // Hidden files of the installer's own names that no journal explains are not its
    // to remove: they stay. Modes are POSIX's; Win32 has nothing of them.
    {false, "a hard link at the destination, stray hidden files, set-ID and sticky modes",
     [](auto& f) {
         f.Write("Prod/ONE.TXT", "the user's copy\n");
         f.Write("Prod/FOUR.BIN", "the user's copy\n");  // replaced, with the source's bits
         fs::create_hard_link(f.m_scope.Host("Prod/ONE.TXT"), f.m_scope.Host("Backup.txt"));
         f.Write("Prod/.~setup-1-1", "stale\n");
         f.Write("Prod/Data/Sub/.~setup-1-2", "stale\n");
         fs::permissions(f.m_scope.Host("Media/Setup/four.bin"), fs::perms(04777));
         fs::permissions(f.m_scope.Host("Media/Setup/Data/two.txt"), fs::perms(03750));
     },
     1,
     nullptr,
     Outcome::Installed,
     {"Prod/ONE.TXT|=contents of one.txt\n", "Prod/Data/TWO.TXT|#488", "Prod/Docs/THREE.TXT",
      "Prod/FOUR.BIN|#493", "Prod/Data/Sub/FIVE.TXT", "Prod/setup", "Prod/setup.ini",
      "Prod/uninstall.dat"}},  // modes under the umask 022 of the test
#endif
    {false, "a second run into the same folder", [](auto&) {}, 2,
     [](auto& f) {
         std::string directory;
         EXPECT_EQ(setup::RunInstallation(f.m_ui, directory, nullptr), Outcome::Locked);
         EXPECT_NE(f.m_ui.Lines().back().find("Another installation into C:\\Prod is running"),
                   std::string::npos);
     },
     Outcome::Installed, kInstalled},
};

}  // namespace

TEST(Attack, NothingOutsideTheFolderChangesAndNoUserFileIsLost) {
#ifndef _WIN32
    const mode_t umask = ::umask(022);
#endif
    for (const CAttack& row : kAttacks) {
        if (row.bRenamesTheFolderItself && !testing_support::FolderHandlesFollowTheirFolder()) {
            continue;
        }
        SCOPED_TRACE(row.what);
        CInstallFixture f;
        testing_support::MakeStandardProduct(f);
        row.prepare(f);
        const Tree before = f.Tree();
        // In the middle of FOUR.BIN, after its first chunk.
        bool attacked = row.beforeFile != 0;
        if (!attacked) {
            testing_support::AfterTheFirstChunk([&] {
                row.attack(f);
                attacked = true;
            });
        }
        for (int i = 1; i <= row.beforeFile; ++i) {
            f.m_ui.OnNextPump([&, i] {
                if (i == row.beforeFile && row.attack) {
                    row.attack(f);
                }
            });
        }
        f.m_ui.m_strChosenPath = "C:\\Prod";
        f.m_ui.m_questionAnswers = {setup::kAnswerYesToAll};
        f.m_ui.m_yesNoAnswers = {true};
        EXPECT_EQ(setup::RunInstallation(f.m_ui, f.m_strInstallDirectory, nullptr), row.outcome);
        testing_support::ResetFileSystemCalls();
        EXPECT_TRUE(attacked);
        ExpectDrive(before, f.Tree(), row.changes);
    }
#ifndef _WIN32
    ::umask(umask);
#endif
}

#ifndef _WIN32
// A process killed from outside is POSIX's fork and SIGKILL here; the Windows build
// kills the real installer at each of its calls instead (the crash table).

TEST(Attack, AKillDuringAFileLeavesItOldAndTheNextRunClearsUp) {
    CInstallFixture f;
    testing_support::MakeStandardProduct(f);
    f.Write("Prod/FOUR.BIN", "the user's copy\n");
    const Tree before = f.Tree();
    int ready[2];  // the child's word; left to the end of the test process
    ASSERT_EQ(::pipe(ready), 0);
    f.m_ui.m_strChosenPath = "C:\\Prod";
    const pid_t child = ::fork();
    if (child == 0) {  // says when it is in the middle of FOUR.BIN, then waits for the end
        testing_support::AfterTheFirstChunk([&ready] {
            if (::write(ready[1], "!", 1) == 1) {
                ::pause();
            }
        });
        f.Run();
        ::_exit(1);
    }
    char said = 0;
    ASSERT_EQ(::read(ready[0], &said, 1), 1);
    ::kill(child, SIGKILL);
    ::waitpid(child, nullptr, 0);
    EXPECT_EQ(f.Tree().at("Prod/FOUR.BIN"), before.at("Prod/FOUR.BIN"));
    f.Run();
    ExpectDrive(before, f.Tree(), kInstalled);
}
#endif
