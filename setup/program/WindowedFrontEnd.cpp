#include "setup/program/WindowedFrontEnd.h"

#include <cstdio>
#include <string>

#include "platform/Console.h"
#include "platform/Format.h"
#include "platform/ProgramPath.h"
#include "platform/SharedLibrary.h"
#include "setup/config/StringTable.h"
#include "setup/console/ExitStatus.h"
#include "setup/engine/UninstallRecord.h"
#include "setup/program/WindowsModule.h"

namespace setup {

int RunWithWindows(int argc, char** argv, const CUninstallRequest& uninstall) {
    const std::string program = platform::ProgramPath();
    const std::string module =
        program.substr(0, program.rfind('/') + 1) + CUninstallRecord::kWindowsModuleName;
    // The toolkit the windows start keeps threads and exit handlers of its own: the
    // module stays loaded until the process ends.
    platform::CSharedLibrary windows;
    SetupWindowsEntry entry = nullptr;
    if (windows.Load(module, platform::CSharedLibrary::Lifetime::Process)) {
        entry = reinterpret_cast<SetupWindowsEntry>(windows.FindEntryPoint(kWindowsEntryPoint));
    }
    if (entry == nullptr) {
        platform::PrepareStandardStreams();
        std::fprintf(
            stderr, "%s\n",
            platform::FormatString(LoadSetupString(IDS_CONSOLE_NO_WINDOWS), {windows.LastError()})
                .c_str());
        return kExitUsage;
    }
    const SetupWindowsRequest request{uninstall.m_bRequested ? 1 : 0,
                                      uninstall.m_strHostFolder.c_str(),
                                      uninstall.m_bRemoveChanged ? 1 : 0};
    return entry(argc, argv, &request);
}

}  // namespace setup
