#ifndef _WIN32
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#endif

#include <gtest/gtest.h>

#include <cerrno>
#include <set>

#include "setup/engine/PostCopyActions.h"
#include "tests/setup_engine/PostCopyFixture.h"
#include "tests/setup_engine/ProbeLog.h"

using platform::MessageResult;
using testing_support::ReplaceAll;

namespace {

// Probe programs beside the setup program, under the names a product might give
// them; README.TXT is a file but no program.
class RunAfterSetupTest : public testing_support::CPostCopyFixture {
protected:
    RunAfterSetupTest() {
        CopyToDrive(POST_COPY_PROBE, "My Setup/VIEW.EXE");
        CopyToDrive(POST_COPY_PROBE, "My Setup/SECOND");
        CopyToDrive(POST_COPY_PROBE, "My Setup/sub dir/TOOL");
        m_scope.Drive().Write("My Setup/README.TXT", "Read me.\n");
    }

    testing_support::CProbeLog m_log{m_scope.Host("probe.fifo")};
};

// Events are boxes ("info:", "error:") and started programs ("run:" and the probe's
// record: its name, its working directory, its arguments; '@' is the setup folder).
// Each box waits for the records of the programs the expected list starts before
// it: a record that only came later shows up in the wrong place.
TEST_F(RunAfterSetupTest, MessagesAndProgramsComeInOrderUntilAProgramIsMissing) {
    struct Case {
        const char* name;
        std::string section;
        std::vector<std::string> events;
    };
    const Case cases[] = {
        {"a message, then its program with an argument",
         "File1=VIEW.EXE README.TXT\nFile1Message=Setup will now show the release notes.\n",
         {"info:Setup will now show the release notes.", "run:VIEW.EXE|@|README.TXT"}},
        {"the list ends at the first missing program, after its message",
         "File1=VIEW.EXE one\nFile2=second \"two words\" x\nFile2Message=Second.\n"
         "File3Message=Last words.\nFile4=VIEW.EXE never\n",
         {"run:VIEW.EXE|@|one", "info:Second.", "run:SECOND|@|two words|x", "info:Last words."}},
        {"a failed start names the value and the next is still tried",
         "File1=MISSING.EXE /q\nFile2=view.exe\n",
         {"error:Error running program MISSING.EXE /q.", "run:VIEW.EXE|@"}},
        {"a file that is no program",
         "File1=README.TXT\nFile2=SECOND\n",
         {"error:Error running program README.TXT.", "run:SECOND|@"}},
        {"an empty program name", "File1=\"\" x\n", {"error:Error running program \"\" x."}},
        {"a quoted program in a folder with a blank",
         "File1=\"sub dir\\tool\"  \"a b\" c\\\"d \"\" z\n",
         {"run:TOOL|@|a b|c\"d||z"}},
        {"a message is shown as written", "File1Message=Hello %s, 100%\n", {"info:Hello %s, 100%"}},
        // "C:\My Setup\" takes 12 of the 259 characters, "VIEW.EXE " 9 more.
        {"the command line is cut at 259 characters",
         "File1=VIEW.EXE " + std::string(300, 'a') + "\n",
         {"run:VIEW.EXE|@|" + std::string(238, 'a')}},
        {"an empty section", "", {}},
    };
    const std::string setupFolder = Canonical("My Setup");
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        WriteIni("[RunAfterSetup]\n" + c.section);
        std::vector<std::string> expected;
        for (const std::string& event : c.events) {
            expected.push_back(ReplaceAll(event, "@", setupFolder));
            if (event.rfind("run:", 0) != 0) {
                m_ui.Answer(MessageResult::Ok);
            }
        }
        std::vector<std::string> seen;
        std::size_t next = 0;
        auto takeStarted = [&] {
            while (next < expected.size() && expected[next].rfind("run:", 0) == 0) {
                seen.push_back("run:" + m_log.Next());
                ++next;
            }
        };
        m_ui.onBox = [&](const std::string&) {
            takeStarted();
            seen.push_back("box");
            ++next;
        };

        setup::RunAfterSetupPrograms();
        takeStarted();

        const std::vector<std::string> boxes = Boxes();
        for (std::size_t i = 0, box = 0; i < seen.size(); ++i) {
            if (seen[i] == "box" && box < boxes.size()) {
                seen[i] = boxes[box++];
            }
        }
        EXPECT_EQ(seen, expected);
        EXPECT_TRUE(m_ui.ScriptUsedUp());
        m_ui.ClearTranscript();
    }
}

#ifndef _WIN32
// Children a process must reap are POSIX's; a Win32 process leaves nothing behind
// for its parent.
TEST_F(RunAfterSetupTest, StartedProgramsAreNoChildrenOfTheInstaller) {
    // The first program runs on until the test closes this FIFO; the second ends at
    // once; the third cannot start.
    const std::string hold = m_scope.Host("hold.fifo");
    ASSERT_EQ(::mkfifo(hold.c_str(), 0600), 0);
    const int holdDescriptor = ::open(hold.c_str(), O_RDWR | O_NONBLOCK | O_CLOEXEC);
    ASSERT_GE(holdDescriptor, 0);
    WriteIni("[RunAfterSetup]\nFile1=VIEW.EXE hold:" + hold + "\nFile2=SECOND\nFile3=MISSING\n");
    m_ui.Answer(MessageResult::Ok);

    setup::RunAfterSetupPrograms();

    const std::string setupFolder = Canonical("My Setup");
    const std::set<std::string> records = {m_log.Next(), m_log.Next()};
    EXPECT_EQ(records, (std::set<std::string>{"VIEW.EXE|" + setupFolder + "|hold:" + hold,
                                              "SECOND|" + setupFolder}));
    EXPECT_EQ(Boxes(), std::vector<std::string>{"error:Error running program MISSING."});
    // Running, ended or never started: none of them is a child left to reap.
    int status = 0;
    errno = 0;
    EXPECT_EQ(::waitpid(-1, &status, WNOHANG), -1);
    EXPECT_EQ(errno, ECHILD);
    ::close(holdDescriptor);
}
#endif

}  // namespace
