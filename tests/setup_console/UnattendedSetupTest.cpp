// The built setup program run as a script runs it: without a display, from a copy of
// the product folder, into a home folder of the test's own; judged by its exit status
// and by what it left on disk. Some runs are made where the GUI toolkit's libraries
// are not installed: in a mount namespace whose library folder lacks them.
#include <fcntl.h>
#include <poll.h>
#include <spawn.h>
#include <sys/file.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <csignal>
#include <filesystem>
#include <optional>
#include <set>
#include <sstream>
#include <vector>

#include <gtest/gtest.h>

#include "tests/support/ResourceLimit.h"
#include "tests/support/TempDir.h"

extern char** environ;

namespace {

namespace fs = std::filesystem;

std::set<std::string> Tree(const fs::path& root) {
    std::set<std::string> entries;
    for (const auto& entry : fs::recursive_directory_iterator(root)) {
        entries.insert(entry.path().lexically_relative(root).string());
    }
    return entries;
}

// The setup program of a fresh copy of the product folder, started without a display.
class UnattendedSetupTest : public ::testing::Test {
protected:
    UnattendedSetupTest() {
        fs::copy(PRODUCT_DIR, m_media, fs::copy_options::recursive);
        fs::create_directories(m_home);
    }
    ~UnattendedSetupTest() override {
        if (m_pid > 0) {
            ::kill(m_pid, SIGKILL);
            Wait();
        }
        if (m_nLock >= 0) {
            ::close(m_nLock);
        }
    }

public:
    // Where the program's standard error goes: a pipe the test reads, a pipe whose
    // reader is gone before the program writes, or nowhere (closed).
    enum class Stream { Read, ReaderGone, Closed };

    // From now on setup runs where the libraries of the toolkit, and those of the
    // displays it draws on, are missing; false when the system refuses the mount
    // namespace that hides them (as it may to an unprivileged user).
    bool HideTheToolkit() {
        m_bWithoutToolkit = true;
        const bool hidden = Run({"--version"}) != kNoNamespace;
        m_output.clear();
        return hidden;
    }

    // Starts setup with `arguments`, standard error as `standardError` says; with
    // m_bWithoutToolkit where the toolkit's libraries are not installed.
    void Start(const std::vector<std::string>& arguments, Stream standardError = Stream::Read) {
        std::vector<std::string> texts{(m_media / "setup").string()};
        texts.insert(texts.end(), arguments.begin(), arguments.end());
        if (m_bWithoutToolkit) {
            fs::create_directories(m_temp.Path() / "libraries");
            texts.insert(texts.begin(),
                         {"/bin/sh", WITHOUT_LIBRARIES, (m_temp.Path() / "libraries").string(),
                          TOOLKIT_LIBRARY_DIR,
                          "libQt6|libGL|libEGL|libOpenGL|libX|libxcb|libwayland|libxkbcommon"});
        }
        std::vector<std::string> environment{"HOME=" + m_home.string(),
                                             "XDG_DATA_HOME=" + (m_home / "share").string(),
                                             "XDG_CONFIG_HOME=" + (m_home / "config").string()};
        // No display of any kind: creating the toolkit's application would end it.
        for (char** variable = environ; *variable != nullptr; ++variable) {
            const std::string name =
                std::string(*variable).substr(0, std::string(*variable).find('='));
            if (name != "DISPLAY" && name != "WAYLAND_DISPLAY" && name != "QT_QPA_PLATFORM" &&
                name != "HOME" && name.rfind("XDG_", 0) != 0) {
                environment.push_back(*variable);
            }
        }
        int pipe[2] = {-1, -1};
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        if (standardError == Stream::Closed) {
            posix_spawn_file_actions_addclose(&actions, STDERR_FILENO);
        } else {
            ASSERT_EQ(::pipe2(pipe, O_CLOEXEC), 0);
            posix_spawn_file_actions_adddup2(&actions, pipe[1], STDERR_FILENO);
        }
        posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
        const auto pointers = [](std::vector<std::string>& strings) {
            std::vector<char*> result;
            for (std::string& s : strings) {
                result.push_back(s.data());
            }
            result.push_back(nullptr);
            return result;
        };
        std::vector<char*> argv = pointers(texts);
        std::vector<char*> envp = pointers(environment);
        std::optional<testing_support::CResourceLimit> limit;  // inherited by the program
        if (m_nChildFileLimit != 0) {
            limit.emplace(RLIMIT_FSIZE, m_nChildFileLimit);
        }
        ASSERT_EQ(::posix_spawn(&m_pid, argv[0], &actions, nullptr, argv.data(), envp.data()), 0);
        posix_spawn_file_actions_destroy(&actions);
        ::close(pipe[1]);
        m_stderr = pipe[0];
        if (standardError == Stream::ReaderGone) {
            ::close(m_stderr);
            m_stderr = -1;
        }
    }

    // Reads standard error until it holds `text`; false at its end. A program silent
    // for a minute is taken to hang and killed, so that a test never waits for ever.
    bool AwaitOutput(const std::string& text) {
        char buffer[4096];
        pollfd readable{m_stderr, POLLIN, 0};
        while (m_output.find(text) == std::string::npos) {
            if (m_stderr < 0) {
                return false;
            }
            if (::poll(&readable, 1, 60000) != 1) {
                ::kill(m_pid, SIGKILL);
                return false;
            }
            const ssize_t n = ::read(m_stderr, buffer, sizeof buffer);
            if (n <= 0) {
                return false;
            }
            m_output.append(buffer, static_cast<std::size_t>(n));
        }
        return true;
    }

    int Wait() {
        AwaitOutput(std::string(1, '\0'));  // to the end of the output
        if (m_stderr >= 0) {
            ::close(m_stderr);
            m_stderr = -1;
        }
        int status = 0;
        ::waitpid(m_pid, &status, 0);
        m_pid = 0;
        return WIFEXITED(status) ? WEXITSTATUS(status) : -WTERMSIG(status);
    }

    // Installs the product unattended into C:\Games\Lettrino.
    void Install(const std::vector<std::string>& more = {}) {
        std::vector<std::string> arguments{"--unattended", "--quiet"};
        arguments.insert(arguments.end(), more.begin(), more.end());
        ASSERT_EQ(Run(arguments), 0);
    }

    // Installs, then appends `lines` to the uninstall record and cuts `cut` bytes off
    // its end.
    void InstallAndTamperRecord(const std::string& lines, std::size_t cut = 0) {
        if (!fs::exists(m_home / "Games/Lettrino/uninstall.dat")) {
            Install();
        }
        const std::string record = "home/Games/Lettrino/uninstall.dat";
        const std::string text = m_temp.Read(record) + lines;
        m_temp.Write(record, text.substr(0, text.size() - cut));
    }

    int Run(const std::vector<std::string>& arguments) {
        Start(arguments);
        return Wait();
    }

    // without-libraries.sh's status when the system permits no mount namespace.
    static constexpr int kNoNamespace = 77;

    testing_support::CTempDir m_temp;
    fs::path m_media = m_temp.Path() / "media";
    fs::path m_home = m_temp.Path() / "home";
    pid_t m_pid = 0;
    int m_stderr = -1;
    int m_nLock = -1;
    rlim_t m_nChildFileLimit = 0;  // the program's file-size limit; 0: the test's own
    std::string m_output;
    bool m_bWithoutToolkit = false;
};

TEST_F(UnattendedSetupTest, InstallsTheProductWithItsLaunchersAndLogsEachStep) {
    fs::create_directories(m_home / "Desktop");
    const std::string log = m_temp.File("setup.log");
    EXPECT_EQ(Run({"--unattended", "--desktop-launcher", "yes", "--log", log, "--quiet"}), 0);
    EXPECT_EQ(m_output, "");
    const fs::path installed = m_home / "Games/Lettrino";
    // The product's files, the copied installer and the uninstall record.
    EXPECT_EQ(Tree(installed),
              (std::set<std::string>{"LETTRINO", "LETTRINO.PNG", "LETTRINO.TXT", "LETTRINO.HLP",
                                     "LETTRINO.COPYING", "setup", "setup-windows.so", "setup.ini",
                                     "uninstall.dat"}));
    const std::string text = m_temp.Read("setup.log");
    for (const fs::path& launcher :
         {m_home / "share/applications/Lettrino.desktop", m_home / "Desktop/Lettrino.desktop"}) {
        EXPECT_TRUE(fs::is_regular_file(launcher)) << launcher;
        EXPECT_NE(text.find(launcher.string()), std::string::npos) << text;
    }
    EXPECT_NE(text.find("C:\\Games\\Lettrino\\LETTRINO.TXT"), std::string::npos) << text;
}

struct CStatusCase {
    const char* name;
    std::vector<std::string> arguments;  // after --unattended
    int status;
    void (*arrange)(UnattendedSetupTest&) = nullptr;
    const char* inOutput = "";     // part of the reason
    bool bWindowed = false;        // without --unattended: one line, pointing to it
    bool bWithoutToolkit = false;  // where the toolkit's libraries are not installed
    friend void PrintTo(const CStatusCase& c, std::ostream* os) { *os << c.name; }
};

class ExitStatusTest : public UnattendedSetupTest,
                       public ::testing::WithParamInterface<CStatusCase> {};

TEST_P(ExitStatusTest, ReportsTheOutcomeAndLeavesTheHomeFolderAsItWas) {
    const CStatusCase& c = GetParam();
    if (c.bWithoutToolkit && !HideTheToolkit()) {
        GTEST_SKIP() << "no mount namespace";
    }
    if (c.arrange) {
        c.arrange(*this);
    }
    const std::set<std::string> before = Tree(m_home);
    std::vector<std::string> arguments;
    if (!c.bWindowed) {
        arguments.push_back("--unattended");
    }
    arguments.insert(arguments.end(), c.arguments.begin(), c.arguments.end());
    for (std::string& argument : arguments) {
        if (argument == "<media>") {
            argument = m_media.string();
        } else if (argument == "<installed>") {
            argument = (m_home / "Games/Lettrino").string();
        } else if (argument.starts_with("<temp>/")) {
            argument = m_temp.File(argument.substr(7));
        }
    }
    EXPECT_EQ(Run(arguments), c.status);
    EXPECT_NE(m_output, "");  // the reason, on standard error
    EXPECT_NE(m_output.find(c.inOutput), std::string::npos) << m_output;
    if (c.bWindowed) {
        EXPECT_EQ(std::ranges::count(m_output, '\n'), 1) << m_output;
        EXPECT_NE(m_output.find("add --unattended"), std::string::npos) << m_output;
    }
    EXPECT_EQ(Tree(m_home), before);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, ExitStatusTest,
    ::testing::Values(CStatusCase{"UnknownOption", {"--bogus"}, 3},
                      CStatusCase{"BadLauncherAnswer", {"--desktop-launcher", "maybe"}, 3},
                      CStatusCase{
                          "NoSetupIni",
                          {},
                          3,
                          [](UnattendedSetupTest& t) { fs::remove(t.m_media / "SETUP.INI"); }},
                      CStatusCase{"SetupIniUnreadable",
                                  {},
                                  3,
                                  [](UnattendedSetupTest& t) {
                                      fs::remove(t.m_media / "SETUP.INI");
                                      fs::create_directory(t.m_media / "SETUP.INI");
                                  }},
                      CStatusCase{"SetupIniAFifo",
                                  {},
                                  3,
                                  [](UnattendedSetupTest& t) {
                                      fs::remove(t.m_media / "SETUP.INI");
                                      ::mkfifo((t.m_media / "SETUP.INI").c_str(), 0644);
                                  }},
                      // No reader ever comes: the log is refused, never waited for.
                      CStatusCase{"LogAFifo",
                                  {"--log", "<temp>/log"},
                                  3,
                                  [](UnattendedSetupTest& t) {
                                      const std::string log = t.m_temp.File("log");
                                      ::mkfifo(log.c_str(), 0644);
                                  }},
                      CStatusCase{"SetupProgramsOwnFolder", {"--directory", "<media>"}, 3},
                      CStatusCase{"DirectoryEmpty", {"--directory="}, 3},
                      CStatusCase{"DirectoryTooLong", {"--directory", std::string(257, 'D')}, 3},
                      // A file system that reports no free space at all.
                      CStatusCase{"NoRoom", {"--directory", "/proc/lettrino"}, 4},
                      CStatusCase{"RemoveChangedWithoutUninstall", {"--remove-changed"}, 3},
                      CStatusCase{"UninstallRecordDamaged",
                                  {"--uninstall", "<installed>"},
                                  3,
                                  [](UnattendedSetupTest& t) {
                                      t.Install();
                                      t.m_temp.Write("home/Games/Lettrino/uninstall.dat",
                                                     "setup-uninstall-record\t1\nfolder\tC:\\x\n"
                                                     "file\t12\tnot-a-digest\tLETTRINO\n");
                                  }},
                      // Not a line of its end: the record is not taken for whole.
                      CStatusCase{"UninstallRecordCutShort",
                                  {"--uninstall", "<installed>"},
                                  3,
                                  [](UnattendedSetupTest& t) { t.InstallAndTamperRecord("", 5); }},
                      // Room for the product but not for the installer's copy: no
                      // uninstall is possible, so the run has failed, and says why.
                      CStatusCase{"NoRoomForTheInstallersCopy",
                                  {"--directory", "C:\\Small"},
                                  1,
                                  [](UnattendedSetupTest& t) {
                                      for (const auto& entry : fs::directory_iterator(t.m_media)) {
                                          if (entry.path().filename() != "setup" &&
                                              entry.path().filename() != "SETUP.INI") {
                                              t.m_temp.Write(
                                                  "media/" + entry.path().filename().string(),
                                                  "small\n");
                                          }
                                      }
                                      t.m_nChildFileLimit = 64 << 10;
                                  },
                                  "Not copied: C:\\Small\\setup (write: File too large)"},
                      CStatusCase{"UninstallLocked",
                                  {"--uninstall", "C:\\Games\\Lettrino"},
                                  5,
                                  [](UnattendedSetupTest& t) {
                                      t.Install();
                                      t.m_nLock =
                                          ::open((t.m_home / "Games/Lettrino").c_str(), O_RDONLY);
                                      ::flock(t.m_nLock, LOCK_EX);
                                  }},
                      CStatusCase{"FolderLocked",
                                  {},
                                  5,
                                  [](UnattendedSetupTest& t) {
                                      fs::create_directories(t.m_home / "Games/Lettrino");
                                      t.m_nLock =
                                          ::open((t.m_home / "Games/Lettrino").c_str(), O_RDONLY);
                                      ::flock(t.m_nLock, LOCK_EX);
                                  }},
                      // The user's own file of a name the installer needs for itself.
                      CStatusCase{"WindowsModuleNameTaken",
                                  {},
                                  1,
                                  [](UnattendedSetupTest& t) {
                                      fs::create_directories(t.m_home / "Games/Lettrino");
                                      t.m_temp.Write("home/Games/Lettrino/setup-windows.so", "");
                                  },
                                  "setup-windows.so\" that setup did not write"},
                      // Windows wanted where they cannot be opened: one line names what
                      // is missing.
                      CStatusCase{"WindowsModuleMissing",
                                  {},
                                  3,
                                  [](UnattendedSetupTest& t) {
                                      fs::remove(t.m_media / "setup-windows.so");
                                  },
                                  "setup-windows.so",
                                  true},
                      CStatusCase{"WindowsWithoutToolkit", {}, 3, nullptr, "libQt6", true, true}),
    [](const auto& info) { return std::string(info.param.name); });

struct CSignalCase {
    const char* name;
    int signal;
    friend void PrintTo(const CSignalCase& c, std::ostream* os) { *os << c.name; }
};

class SignalTest : public UnattendedSetupTest, public ::testing::WithParamInterface<CSignalCase> {};

TEST_P(SignalTest, DuringALargeFileCancelsAndRemovesWhatWasCopied) {
    for (const char* name : {"BIG1", "BIG2"}) {
        m_temp.Write("media/" + std::string(name), "");
        fs::resize_file(m_media / name, 64 << 20);
    }
    m_temp.Write("media/SETUP.INI",
                 "[Setup]\nName=Big\nRequiredDiskSpace=1\nDefaultDirectory=Big\n"
                 "[Files]\nFiles=3\nFile1=BIG1\nFile2=BIG2\nFile3=SETUP.INI\n");
    const std::set<std::string> before = Tree(m_home);
    Start({"--unattended"});
    ASSERT_TRUE(AwaitOutput("Copying file 1 of 3...")) << m_output;
    ::kill(m_pid, GetParam().signal);
    EXPECT_EQ(Wait(), 2) << m_output;
    EXPECT_EQ(Tree(m_home), before);
}

INSTANTIATE_TEST_SUITE_P(Rows, SignalTest,
                         ::testing::Values(CSignalCase{"Sigterm", SIGTERM}),
                         [](const auto& info) { return std::string(info.param.name); });

struct CStreamCase {
    const char* name;
    UnattendedSetupTest::Stream standardError;
    bool bLogFull;                   // the log file at the file-size limit: no line fits
    std::vector<std::string> inLog;  // each once in the log file, when it is not full
    const char* inOutput = "";       // on standard error, when the test reads it
    friend void PrintTo(const CStreamCase& c, std::ostream* os) { *os << c.name; }
};

class LogStreamTest : public UnattendedSetupTest,
                      public ::testing::WithParamInterface<CStreamCase> {};

std::size_t Occurrences(const std::string& text, const std::string& part) {
    std::size_t count = 0;
    for (std::size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) {
        ++count;
    }
    return count;
}

// A stream of the log that takes no more lines never stops the installation.
TEST_P(LogStreamTest, InstallsWhenALogStreamFails) {
    const CStreamCase& c = GetParam();
    const std::string log = m_temp.File("setup.log");
    if (c.bLogFull) {
        m_nChildFileLimit = 256 << 20;
        m_temp.Write("setup.log", "");
        fs::resize_file(log, m_nChildFileLimit);
    }
    Start({"--unattended", "--log", log}, c.standardError);
    EXPECT_EQ(Wait(), 0) << m_output;
    EXPECT_EQ(Tree(m_home / "Games/Lettrino"),
              (std::set<std::string>{"LETTRINO", "LETTRINO.PNG", "LETTRINO.TXT", "LETTRINO.HLP",
                                     "LETTRINO.COPYING", "setup", "setup-windows.so", "setup.ini",
                                     "uninstall.dat"}));
    if (!c.bLogFull) {
        const std::string text = m_temp.Read("setup.log");
        for (const std::string& line : c.inLog) {
            EXPECT_EQ(Occurrences(text, line), 1U) << line << "\n" << text;
        }
    }
    if (*c.inOutput != '\0') {
        EXPECT_NE(m_output.find(c.inOutput), std::string::npos) << m_output;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Rows, LogStreamTest,
    ::testing::Values(
        CStreamCase{"StandardErrorReaderGone",
                    UnattendedSetupTest::Stream::ReaderGone,
                    false,
                    {"Copied C:\\Games\\Lettrino\\LETTRINO.TXT", "incomplete"}},
        // The log file must not take the number of standard error.
        CStreamCase{"StandardErrorClosed",
                    UnattendedSetupTest::Stream::Closed,
                    false,
                    {"Copied C:\\Games\\Lettrino\\LETTRINO.TXT"}},
        CStreamCase{"LogFileFull", UnattendedSetupTest::Stream::Read, true, {}, "incomplete"}),
    [](const auto& info) { return std::string(info.param.name); });

const std::set<std::string> kChangedKept = {"LETTRINO.TXT", "LETTRINO.bak", "LETTRINO.HLP",
                                            "LETTRINO.COPYING"};
// Of "not the installer's".
const std::string kOutsideDigest = "7f8c358341401f89c78756856d5c2be8e50b575732c9627eb7745d3b3d640623";

struct CUninstallCase {
    const char* name;
    std::vector<std::string> options;  // after --uninstall [DIR] --unattended
    std::set<std::string> left;        // in the install folder afterwards
    bool bThroughLink = false;         // DIR: a link to the install folder; else none
    // Done to the installation before the player's changes.
    void (*tamper)(UnattendedSetupTest&) = nullptr;
    bool bWithoutToolkit = false;  // installed and uninstalled where it is missing
    const char* logged = "";       // a line of the log
    friend void PrintTo(const CUninstallCase& c, std::ostream* os) { *os << c.name; }
};

class UninstallTest : public UnattendedSetupTest,
                      public ::testing::WithParamInterface<CUninstallCase> {};

// The player added a word (the game appends it and keeps the previous dictionary as
// LETTRINO.bak), and someone put a link to a file elsewhere in place of the help.
// The uninstall run by the copied installer removes what is as installed, keeps and
// names the rest, never touches what a link points to; a second one finds nothing.
TEST_P(UninstallTest, RemovesWhatIsAsInstalledAndKeepsAndNamesTheRest) {
    if (GetParam().bWithoutToolkit && !HideTheToolkit()) {
        GTEST_SKIP() << "no mount namespace";
    }
    fs::create_directories(m_home / "Desktop");
    Install({"--desktop-launcher", "yes"});
    const fs::path installed = m_home / "Games/Lettrino";
    m_temp.Write("outside.txt", "not the installer's");
    if (GetParam().tamper) {
        GetParam().tamper(*this);
    }
    // An edit that keeps the size is a change too.
    std::string notice = m_temp.Read("home/Games/Lettrino/LETTRINO.COPYING");
    notice[0] = notice[0] == '#' ? '%' : '#';
    m_temp.Write("home/Games/Lettrino/LETTRINO.COPYING", notice);
    fs::copy_file(installed / "LETTRINO.TXT", installed / "LETTRINO.bak");
    m_temp.Write("home/Games/Lettrino/LETTRINO.TXT",
                 m_temp.Read("home/Games/Lettrino/LETTRINO.TXT") + "zyzzyva\n");
    fs::remove(installed / "LETTRINO.HLP");
    fs::create_symlink(m_temp.Path() / "outside.txt", installed / "LETTRINO.HLP");
    const fs::path away = m_temp.Path() / "away";
    fs::rename(m_media, away);  // the media are gone

    std::vector<std::string> arguments{"--uninstall"};
    if (GetParam().bThroughLink) {
        fs::create_directory_symlink(installed, m_temp.Path() / "link");
        arguments.push_back((m_temp.Path() / "link").string());
    }
    arguments.push_back("--unattended");
    arguments.insert(arguments.end(), GetParam().options.begin(), GetParam().options.end());
    m_media = installed;  // Start runs <m_media>/setup: the installed copy
    EXPECT_EQ(Run(arguments), 0) << m_output;
    EXPECT_EQ(Tree(installed), GetParam().left) << m_output;
    for (const std::string& name : GetParam().left) {
        EXPECT_NE(m_output.find("C:\\Games\\Lettrino\\" + name), std::string::npos) << m_output;
    }
    EXPECT_FALSE(fs::exists(m_home / "share/applications/Lettrino.desktop"));
    EXPECT_FALSE(fs::exists(m_home / "Desktop/Lettrino.desktop"));
    EXPECT_EQ(m_temp.Read("outside.txt"), "not the installer's");
    EXPECT_NE(m_output.find(GetParam().logged), std::string::npos) << m_output;
    // Every removal the log announces is followed by what became of the file.
    std::istringstream lines(m_output);
    for (std::string line, next; std::getline(lines, line);) {
        if (line.starts_with("Removing ") && std::getline(lines, next)) {
            EXPECT_NE(next.find(line.substr(9, line.size() - 12)), std::string::npos) << next;
        }
    }

    m_output.clear();
    m_media = away;
    EXPECT_EQ(Run({"--uninstall", installed.string(), "--unattended"}), 0);
    EXPECT_NE(m_output.find("nothing installed here"), std::string::npos) << m_output;
    EXPECT_EQ(Tree(installed), GetParam().left);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, UninstallTest,
    ::testing::Values(
        CUninstallCase{"KeepsChanged", {}, kChangedKept},
        // Changed listed files go too; the unlisted backup and the link never do.
        CUninstallCase{"RemoveChanged", {"--remove-changed"}, {"LETTRINO.bak", "LETTRINO.HLP"}},
        CUninstallCase{"ThroughALink", {}, kChangedKept, true},
        // The record claims a file outside, with its true size and digest, as a launcher.
        CUninstallCase{"ALauncherEntryThatIsNoLauncher",
                       {"--remove-changed"},
                       {"LETTRINO.bak", "LETTRINO.HLP"},
                       false,
                       [](UnattendedSetupTest& t) {
                           t.InstallAndTamperRecord("launcher\t19\t" + kOutsideDigest + "\t" +
                                                    t.m_temp.File("outside.txt") + "\n");
                       }},
        CUninstallCase{.name = "WithoutTheToolkit",
                       .options = {},
                       .left = kChangedKept,
                       .bWithoutToolkit = true},
        CUninstallCase{
            .name = "ALauncherAlreadyGone",
            .options = {},
            .left = kChangedKept,
            .tamper =
                [](UnattendedSetupTest& t) { fs::remove(t.m_home / "Desktop/Lettrino.desktop"); },
            .logged = "Already gone: /"}),
    [](const auto& info) { return std::string(info.param.name); });

// A reinstall keeps what the first run knew: one uninstall then removes the folders
// the first run created too, and tells of each file once.
TEST_F(UnattendedSetupTest, OneUninstallRemovesWhatTwoRunsInstalled) {
    Install();
    Install();
    m_media = m_home / "Games/Lettrino";
    EXPECT_EQ(Run({"--uninstall", "--unattended"}), 0) << m_output;
    EXPECT_EQ(Occurrences(m_output, "Removed C:\\Games\\Lettrino\\LETTRINO.TXT\n"), 1U)
        << m_output;
    EXPECT_EQ(Occurrences(m_output, "LETTRINO.TXT\n"), 1U) << "and not kept as well";
    EXPECT_FALSE(fs::exists(m_home / "Games/Lettrino")) << m_output;
}

}  // namespace
