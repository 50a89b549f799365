// The installer's entry point. The command line decides the front end before any Qt
// object exists: without windows (--unattended, --help, --version, a usage error)
// the program needs no display and never creates the application object of Qt.
#include <QApplication>

#include "framework/WinApp.h"
#include "setup/console/ConsoleFrontEnd.h"
#include "setup/ui/SetupApp.h"

int main(int argc, char* argv[]) {
    setup::CUninstallRequest uninstall;
    if (const std::optional<int> status = setup::RunWithoutWindows(argc, argv, &uninstall)) {
        return *status;
    }
    QApplication application(argc, argv);
    framework::CWinApp* pApp = framework::CWinApp::GetApp();
    if (pApp == nullptr) {
        return 1;
    }
    // The program's one application object is the installer's.
    static_cast<setup::CSetupApp*>(pApp)->m_uninstall = uninstall;
    return pApp->Run();
}
