// Attacks on a running installation from outside: folders swapped for links between
// files and during one, hard links, hostile modes, a second run, leftovers of a
// killed run. Each row installs the standard product into C:\Prod and then checks
// the whole drive: every entry a row does not name is as it was, byte for byte and
// inode for inode.
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>
#include <functional>
#include <set>

#include <gtest/gtest.h>

#include "platform/FileCopy.h"
#include "platform/FileSystemCalls.h"
#include "setup/engine/InstallationRun.h"
#include "tests/setup_engine/InstallFixture.h"

using testing_support::CInstallFixture;
using testing_support::Lines;
using Outcome = setup::InstallOutcome;

namespace {

namespace fs = std::filesystem;
using Tree = std::map<std::string, std::string>;

std::string Bytes(const std::string& entry) {
    return entry.substr(entry.find(": ") + 2);
}

// `after` against `before`, but for the entries `changes` name: "name" exists,
// "!name" does not, "name|=bytes" holds exactly those, "name|#mode" has those
// permission bits, "name|>old" is the entry `old` was, "name|~old" holds its bytes.
void ExpectDrive(const Tree& before, const Tree& after, const Lines& changes) {
    std::map<std::string, std::string> rules;
    for (const std::string& change : changes) {
        const std::size_t from = change[0] == '!' ? 1 : 0;
        rules[change.substr(from, change.find('|') - from)] = change;
    }
    std::set<std::string> names;
    for (const Tree* tree : {&before, &after}) {
        for (const auto& entry : *tree) {
            names.insert(entry.first);
        }
    }
    const auto at = [](const Tree& tree, const std::string& name) {
        return tree.count(name) != 0 ? tree.at(name) : std::string("(none)");
    };
    for (const std::string& name : names) {
        SCOPED_TRACE(name);
        const std::string now = at(after, name);
        const auto rule = rules.find(name);
        if (rule == rules.end()) {
            EXPECT_EQ(now, at(before, name));
            continue;
        }
        const std::size_t bar = rule->second.find('|');
        const std::string arg = bar == std::string::npos ? "" : rule->second.substr(bar + 2);
        switch (bar == std::string::npos ? rule->second[0] : rule->second[bar + 1]) {
            case '!': EXPECT_EQ(now, "(none)"); break;
            case '=': EXPECT_EQ(Bytes(now), arg); break;
            case '#': EXPECT_EQ(now.substr(0, now.find(" inode")), "mode " + arg); break;
            case '>': EXPECT_EQ(now, at(before, arg)); break;
            case '~': EXPECT_EQ(Bytes(now), Bytes(at(before, arg))); break;
            default: EXPECT_NE(now, "(none)");
        }
    }
}

const Lines kInstalled = {"Prod/ONE.TXT|~Media/Setup/one.txt", "Prod/Data/TWO.TXT",
                          "Prod/Docs/THREE.TXT", "Prod/FOUR.BIN|~Media/Setup/four.bin",
                          "Prod/Data/Sub/FIVE.TXT"};
Lines Plus(Lines lines, const Lines& more) {
    lines.insert(lines.end(), more.begin(), more.end());
    return lines;
}

// The folder `relative` below C: goes to `aside` and a link to C:\Outside takes its place.
void SwapForLink(CInstallFixture& f, const std::string& relative, const std::string& aside) {
    fs::rename(f.m_scope.Host(relative), f.m_scope.Host(aside));
    fs::create_symlink(f.m_scope.Host("Outside"), f.m_scope.Host(relative));
}

using Step = std::function<void(CInstallFixture&)>;
Step g_duringLargeFile;  // run once in the middle of FOUR.BIN, after its first chunk
CInstallFixture* g_fixture = nullptr;

long CopyThenAttack(int source, int target, std::size_t bytes) {
    const long moved = platform::RealFileSystemCalls().m_pCopyRange(source, target, bytes);
    if (moved == static_cast<long>(platform::kCopyChunk) && g_duringLargeFile) {
        std::exchange(g_duringLargeFile, nullptr)(*g_fixture);
    }
    return moved;
}

long ShortWrite(int descriptor, const void* bytes, std::size_t count) {
    return platform::RealFileSystemCalls().m_pWrite(descriptor, bytes, std::min<std::size_t>(count, 4000));
}
long NoKernelCopy(int, int, std::size_t) {
    errno = EXDEV;
    return -1;
}

struct CAttack {
    const char* what;
    Step prepare;     // before the drive is taken
    int beforeFile;   // the attack runs before this file; 0: during FOUR.BIN
    Step attack;
    Outcome outcome;
    Lines changes;
};

const CAttack kAttacks[] = {
    {"a folder written to becomes a link before its next file",
     [](auto& f) {
         f.m_scope.MakeDirectories("Outside");
         f.Write("Media/Setup/Data/six.txt", "six\n");
         f.WriteFileList({"one.txt", "Data\\two.txt", "Docs\\three.txt", "four.bin",
                          "Data\\Sub\\five.txt", "Data\\six.txt"});
     },
     6, [](auto& f) { SwapForLink(f, "Prod/Data", "Prod/Held"); }, Outcome::Failed,
     {"Prod/Data", "Prod/Held|>Prod/Data", "Prod/Held/Old.dat|>Prod/Data/Old.dat",
      "Prod/Held/Sub|>Prod/Data/Sub", "!Prod/Data/Old.dat", "!Prod/Data/Sub",
      // The rollback follows no link to remove these.
      "Prod/Held/TWO.TXT", "Prod/Held/Sub/FIVE.TXT"}},
    {"the install folder becomes a link during a file, then a file fails",
     [](auto& f) {
         for (const char* name : {"Outside/ONE.TXT", "Outside/FOUR.BIN", "Outside/Data/TWO.TXT"}) {
             f.Write(name, "someone else's\n");
         }
         f.m_scope.MakeDirectories("Outside/Data/Sub");
         fs::remove(f.m_scope.Host("Media/Setup/Data/Sub/five.txt"));
     },
     0, [](auto& f) { SwapForLink(f, "Prod", "Held"); }, Outcome::Failed,
     {"Prod", "Held|>Prod", "Held/Keep.txt|>Prod/Keep.txt", "Held/Data|>Prod/Data",
      "Held/Data/Old.dat|>Prod/Data/Old.dat", "Held/Data/Sub|>Prod/Data/Sub",
      "Held/Docs|>Prod/Docs", "!Prod/Keep.txt", "!Prod/Data", "!Prod/Data/Old.dat",
      "!Prod/Data/Sub", "!Prod/Docs"}},
    {"a hard link at the destination",
     [](auto& f) {
         f.Write("Prod/ONE.TXT", "the user's copy\n");
         fs::create_hard_link(f.m_scope.Host("Prod/ONE.TXT"), f.m_scope.Host("Backup.txt"));
     },
     1, nullptr, Outcome::Installed, kInstalled},
    {"a sibling named like the install folder behind a link",
     [](auto& f) {
         f.m_scope.MakeDirectories("ProdDocs");
         fs::remove(f.m_scope.Host("Prod/Docs"));
         fs::create_directory_symlink(f.m_scope.Host("ProdDocs"), f.m_scope.Host("Prod/Docs"));
     },
     1, nullptr, Outcome::Failed, {}},
    {"set-ID, sticky and open modes in the source",
     [](auto& f) {
         fs::permissions(f.m_scope.Host("Media/Setup/one.txt"), fs::perms(04777));
         fs::permissions(f.m_scope.Host("Media/Setup/four.bin"), fs::perms(02750));
         fs::permissions(f.m_scope.Host("Media/Setup/Data/two.txt"), fs::perms(01644));
     },
     1, nullptr, Outcome::Installed,
     Plus(kInstalled, {"Prod/ONE.TXT|#493", "Prod/FOUR.BIN|#488", "Prod/Data/TWO.TXT|#420"})},
    {"short writes", nullptr, 1,
     [](auto&) {
         platform::FileSystemCalls().m_pCopyRange = NoKernelCopy;
         platform::FileSystemCalls().m_pWrite = ShortWrite;
     },
     Outcome::Installed, kInstalled},
    {"leftovers of a killed run",
     [](auto& f) {
         f.Write("Prod/.~setup-1-1", "stale\n");
         f.Write("Prod/Data/Sub/.~setup-1-2", "stale\n");
     },
     1, nullptr, Outcome::Installed,
     Plus(kInstalled, {"!Prod/.~setup-1-1", "!Prod/Data/Sub/.~setup-1-2"})},
    {"a second run into the same folder", nullptr, 2,
     [](auto& f) {
         std::string directory;
         EXPECT_EQ(setup::RunInstallation(f.m_ui, directory, nullptr), Outcome::Locked);
         EXPECT_EQ(f.m_ui.Lines().back(),
                   "! Error:  Another installation into C:\\Prod is running.  Wait until it has "
                   "finished, then try again.");
     },
     Outcome::Installed, kInstalled},
};

}  // namespace

TEST(Attack, NothingOutsideTheFolderChangesAndNoUserFileIsLost) {
    const mode_t umask = ::umask(022);
    for (const CAttack& row : kAttacks) {
        SCOPED_TRACE(row.what);
        CInstallFixture f;
        testing_support::MakeStandardProduct(f);
        if (row.prepare) {
            row.prepare(f);
        }
        const Tree before = f.Tree();
        g_fixture = &f;
        if (row.beforeFile == 0) {
            platform::FileSystemCalls().m_pCopyRange = CopyThenAttack;
            g_duringLargeFile = row.attack;
        }
        for (int i = 1; i < row.beforeFile; ++i) {
            f.m_ui.OnNextPump([] {});
        }
        if (row.beforeFile > 0 && row.attack) {
            f.m_ui.OnNextPump([&] { row.attack(f); });
        }
        f.m_ui.m_strChosenPath = "C:\\Prod";
        f.m_ui.m_questionAnswers = {setup::kAnswerYesToAll};
        f.m_ui.m_yesNoAnswers = {true};
        std::string directory;
        const Outcome outcome = setup::RunInstallation(f.m_ui, directory, nullptr);
        platform::FileSystemCalls() = platform::RealFileSystemCalls();
        EXPECT_EQ(outcome, row.outcome);
        EXPECT_EQ(g_duringLargeFile, nullptr);
        ExpectDrive(before, f.Tree(), row.changes);
    }
    ::umask(umask);
}

namespace {
int g_killMe = -1;  // the pipe on which the child says it is in the middle of FOUR.BIN
}

TEST(Attack, AKillDuringAFileLeavesItOldAndTheNextRunClearsUp) {
    CInstallFixture f;
    testing_support::MakeStandardProduct(f);
    f.Write("Prod/FOUR.BIN", "the user's copy\n");
    const Tree before = f.Tree();
    int ready[2];
    ASSERT_EQ(::pipe(ready), 0);
    f.m_ui.m_strChosenPath = "C:\\Prod";
    const pid_t child = ::fork();
    if (child == 0) {
        g_killMe = ready[1];
        platform::FileSystemCalls().m_pCopyRange = [](int from, int to, std::size_t n) {
            const long moved = platform::RealFileSystemCalls().m_pCopyRange(from, to, n);
            if (moved == static_cast<long>(platform::kCopyChunk) && ::write(g_killMe, "!", 1) == 1) {
                ::pause();
            }
            return moved;
        };
        f.Run();
        ::_exit(1);
    }
    char said = 0;
    ASSERT_EQ(::read(ready[0], &said, 1), 1);
    ::kill(child, SIGKILL);
    ::waitpid(child, nullptr, 0);
    EXPECT_EQ(f.Tree().at("Prod/FOUR.BIN"), before.at("Prod/FOUR.BIN"));

    f.m_ui.m_yesNoAnswers.clear();
    f.Run();
    ExpectDrive(before, f.Tree(), kInstalled);
    ::close(ready[0]);
    ::close(ready[1]);
}
