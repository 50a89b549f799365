// The installer with windows where they are linked into the program: the module's
// entry point is called directly.
#include "setup/program/WindowedFrontEnd.h"
#include "setup/program/WindowsModule.h"

extern "C" int SetupWindowsMain1(int argc, char** argv, const SetupWindowsRequest* request);

namespace setup {

int RunWithWindows(int argc, char** argv, const CUninstallRequest& uninstall) {
    const SetupWindowsRequest request{uninstall.m_bRequested ? 1 : 0,
                                      uninstall.m_strHostFolder.c_str(),
                                      uninstall.m_bRemoveChanged ? 1 : 0};
    return SetupWindowsMain1(argc, argv, &request);
}

}  // namespace setup
