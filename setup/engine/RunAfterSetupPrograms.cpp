#include <string>
#include <vector>

#include "platform/CommandLine.h"
#include "platform/Format.h"
#include "platform/Process.h"
#include "platform/UserInterface.h"
#include "platform/WindowsPath.h"
#include "setup/config/SetupIni.h"
#include "setup/config/StringTable.h"
#include "setup/engine/PostCopyActions.h"
#include "setup/engine/RunObserver.h"

namespace setup {

namespace {

// The longest command line a program is started with; what lies beyond is cut.
constexpr std::size_t kMaxCommandLine = 259;

// Starts the program that `value` names, a path relative to `setupDirectory`
// followed by its arguments. The program is the value's own first piece joined to
// the directory: a blank in the directory's name must not split the path.
bool StartProgram(const std::string& setupDirectory, const std::string& value) {
    if (setupDirectory.empty() || setupDirectory.size() >= kMaxCommandLine) {
        return false;
    }
    const std::string kept = value.substr(0, kMaxCommandLine - setupDirectory.size());
    const std::vector<std::string> pieces = platform::SplitCommandLine(kept);
    if (pieces.empty() || pieces.front().empty()) {
        return false;
    }
    const std::string program = platform::ToHostPath(setupDirectory + pieces.front());
    const std::string directory = platform::ToHostPath(setupDirectory);
    if (program.empty() || directory.empty()) {
        return false;
    }
    return platform::StartDetachedProcess(program, kept, directory);
}

}  // namespace

void RunAfterSetupPrograms() {
    const std::string setupDirectory = GetSetupDirectory();
    for (int n = 1;; ++n) {
        const std::string key = "File" + std::to_string(n);
        const std::string value = ReadIniString("RunAfterSetup", key);
        const std::string message = ReadIniString("RunAfterSetup", key + "Message");
        if (!message.empty()) {
            platform::UserInterface().MessageBox(message, platform::MessageIcon::Information,
                                                 platform::MessageButtons::Ok);
        }
        if (value.empty()) {
            return;
        }
        if (StartProgram(setupDirectory, value)) {
            RunObserver().ProgramStarted(value);
        } else {
            platform::UserInterface().MessageBox(
                platform::FormatString(LoadSetupString(IDS_CANNOT_RUN_PROGRAM), {value}),
                platform::MessageIcon::Exclamation, platform::MessageButtons::Ok);
        }
    }
}

}  // namespace setup
