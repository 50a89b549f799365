// The real installer killed at every step of an installation into a folder that
// holds the user's own files, then run again as a user would: cancelled, failing,
// completing, and uninstalled. After each of these, every file of the user's is
// there with its bytes and nothing outside the folder has changed.
#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <set>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "tests/support/TempDir.h"

namespace {

namespace fs = std::filesystem;
using Tree = std::map<std::string, std::string>;

const std::string kUserWords = "the user's own words\n";
const std::string kProductWords = "AARDVARK\nABACUS\n";

// Every file below `root` with its bytes, and every folder.
Tree Snapshot(const fs::path& root) {
    Tree tree;
    for (const auto& entry : fs::recursive_directory_iterator(root)) {
        std::string bytes = "(folder)";
        if (!entry.is_directory()) {
            std::ifstream file(entry.path(), std::ios::binary);
            bytes.assign(std::istreambuf_iterator<char>(file), {});
        }
        tree[entry.path().lexically_relative(root).string()] = bytes;
    }
    return tree;
}

class CCrashScene {
public:
    CCrashScene() {
        MakeMedia("media", 3);
        MakeMedia("broken", 4);  // its fourth file is missing: a run from it fails
        fs::create_directories(m_temp.Path() / "home/Games/Lettrino");
        m_temp.Write("home/Games/Lettrino/LETTRINO.TXT", kUserWords);
        m_temp.Write("home/Games/Lettrino/Notes.txt", "the user's notes\n");
        m_temp.Write("home/Outside.txt", "not the installer's\n");
        m_before = Snapshot(m_temp.Path() / "home");
    }

    // Runs setup from `media` with the fault `fault`, installing or, with
    // `bUninstall`, uninstalling; its exit status, or minus the signal that ended it.
    int Run(const std::string& media, const std::string& fault, bool bUninstall = false) {
        std::vector<std::string> arguments{m_temp.File(media + "/setup"), "--unattended",
                                           "--quiet"};
        if (bUninstall) {
            arguments.insert(arguments.end(), {"--uninstall", m_temp.File("home/Games/Lettrino")});
        } else {
            arguments.insert(arguments.end(), {"--directory", "C:\\Games\\Lettrino"});
        }
        std::vector<std::string> environment{"HOME=" + m_temp.File("home"),
                                             "XDG_DATA_HOME=" + m_temp.File("home/share"),
                                             "XDG_CONFIG_HOME=" + m_temp.File("home/config"),
                                             "SETUP_FAULT=" + fault, "PATH=/usr/bin:/bin"};
        const auto pointers = [](std::vector<std::string>& texts) {
            std::vector<char*> result;
            for (std::string& text : texts) {
                result.push_back(text.data());
            }
            result.push_back(nullptr);
            return result;
        };
        std::vector<char*> argv = pointers(arguments);
        std::vector<char*> envp = pointers(environment);
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
        posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
        pid_t child = 0;
        int status = 0;
        const bool ran =
            ::posix_spawn(&child, argv[0], &actions, nullptr, argv.data(), envp.data()) == 0 &&
            ::waitpid(child, &status, 0) == child;
        posix_spawn_file_actions_destroy(&actions);
        EXPECT_TRUE(ran);
        return WIFEXITED(status) ? WEXITSTATUS(status) : -WTERMSIG(status);
    }

    // The user's files and everything outside the install folder are as before;
    // LETTRINO.TXT holds `words`, or is gone when `words` is empty.
    void Expect(const std::string& words, const std::string& after) {
        SCOPED_TRACE(after);
        Tree now = Snapshot(m_temp.Path() / "home");
        Tree expected = m_before;
        for (Tree* tree : {&now, &expected}) {
            std::erase_if(*tree, [](const auto& entry) {
                const std::string& path = entry.first;
                return path.rfind("Games/Lettrino/", 0) == 0 &&
                       path != "Games/Lettrino/Notes.txt" && path != "Games/Lettrino/LETTRINO.TXT";
            });
        }
        if (words.empty()) {
            expected.erase("Games/Lettrino/LETTRINO.TXT");
        } else {
            expected["Games/Lettrino/LETTRINO.TXT"] = words;
        }
        EXPECT_EQ(now, expected);
    }

    bool Installed() const { return Holds("uninstall.dat"); }
    bool Holds(const std::string& name) const {
        return fs::exists(m_temp.Path() / "home/Games/Lettrino" / name);
    }

    // The names in the install folder but the hidden ones, which a kill before a
    // journal line can leave (an empty temporary that no journal names).
    std::set<std::string> VisibleInstalled() const {
        std::set<std::string> names;
        for (const auto& entry : fs::directory_iterator(m_temp.Path() / "home/Games/Lettrino")) {
            if (const std::string name = entry.path().filename().string(); name[0] != '.') {
                names.insert(name);
            }
        }
        return names;
    }

private:
    void MakeMedia(const std::string& media, int files) {
        fs::create_directories(m_temp.Path() / media);
        fs::copy_file(CRASHING_SETUP, m_temp.Path() / media / "setup");
        // The installer's windows, copied with it though never loaded unattended.
        m_temp.Write(media + "/setup-windows.so", "the installer's windows\n");
        m_temp.Write(media + "/Lettrino.txt", kProductWords);
        m_temp.Write(media + "/Lettrino.HLP", "<html>how to play</html>\n");
        m_temp.Write(media + "/Extra.dat", std::string(300000, 'x'));
        std::string ini =
            "[Setup]\r\nName=Lettrino\r\nCaption=Lettrino Setup\r\nRequiredDiskSpace=1\r\n"
            "[Files]\r\nFiles=" +
            std::to_string(files) +
            "\r\nFile1=Lettrino.HLP\r\nFile2=Lettrino.txt\r\nFile3=Extra.dat\r\n"
            "File4=Missing.dat\r\n";
        m_temp.Write(media + "/SETUP.INI", ini);
    }

    testing_support::CTempDir m_temp;
    Tree m_before;
};

const std::string kInstalled = "home/Games/Lettrino";

// The disk-changing calls of an installation, or of the uninstall that follows one.
long CallsOf(bool bUninstall) {
    testing_support::CTempDir count;
    CCrashScene scene;
    EXPECT_TRUE(!bUninstall || scene.Run("media", "") == 0);
    EXPECT_EQ(
        scene.Run(bUninstall ? kInstalled : "media", "count:" + count.File("calls"), bUninstall),
        0);
    return std::stol(count.Read("calls"));
}

TEST(CrashTable, AUserFileSurvivesAKillAtAnyStepAndAnyNextRun) {
    const long calls = CallsOf(false);
    ASSERT_GT(calls, 10);
    for (long at = 1; at <= calls; ++at) {
        SCOPED_TRACE("killed at call " + std::to_string(at) + " of " + std::to_string(calls));
        CCrashScene scene;
        EXPECT_EQ(scene.Run("media", "kill:" + std::to_string(at)), -SIGKILL);
        // Once its record is in place a run is complete, and the product's file has
        // replaced the user's as in any completed installation; before, it has not.
        const std::string& words = scene.Installed() ? kProductWords : kUserWords;
        // A closed terminal: the run stops between files and rolls back.
        EXPECT_EQ(scene.Run("media", "interrupt:1"), 2);
        scene.Expect(words, "cancelled");
        EXPECT_EQ(scene.Run("broken", ""), 1);
        scene.Expect(words, "failed");
        EXPECT_EQ(scene.Run("media", ""), 0);
        scene.Expect(kProductWords, "completed");
        EXPECT_EQ(scene.Run("media", "", true), 0);
        scene.Expect("", "uninstalled");
        // Everything the installations wrote is gone, the installer's own copies too.
        EXPECT_EQ(scene.VisibleInstalled(), std::set<std::string>{"Notes.txt"});
    }
}

// The installed copy of the installer uninstalls, and is killed, or one of its calls
// fails, at each step. It says it is done only when it is; while a product file is
// left, the installed copy is there to be run again, and that run finishes the job.
TEST(CrashTable, AnUninstallKilledOrFailingAtAnyStepCanBeRunAgain) {
    const long calls = CallsOf(true);
    ASSERT_GT(calls, 3);
    for (long at = 1; at <= calls; ++at) {
        for (const std::string fault : {"kill:", "fail:"}) {
            SCOPED_TRACE(fault + std::to_string(at) + " of " + std::to_string(calls));
            CCrashScene scene;
            ASSERT_EQ(scene.Run("media", ""), 0);
            const int status = scene.Run(kInstalled, fault + std::to_string(at), true);
            if (fault == "kill:") {
                EXPECT_EQ(status, -SIGKILL);
            } else if (status == 0) {
                scene.Expect("", "failing, yet said to be done");
            } else {
                EXPECT_TRUE(scene.Installed()) << "the record of what is left";
            }
            if (scene.Holds("LETTRINO.HLP")) {
                EXPECT_TRUE(scene.Holds("setup")) << "nothing left to uninstall with";
            }
            const bool again = scene.Installed() && scene.Holds("setup");
            EXPECT_EQ(scene.Run(again ? kInstalled : "media", "", true), 0);
            scene.Expect("", "uninstalled again");
            EXPECT_EQ(scene.VisibleInstalled(), std::set<std::string>{"Notes.txt"});
        }
    }
}

}  // namespace
