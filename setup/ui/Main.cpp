// The installer's entry point. The command line decides the front end before any Qt
// object exists: without windows (--unattended, --help, --version, a usage error)
// the program needs no display and never creates the application object of Qt.
#include <QApplication>

#include "framework/WinApp.h"
#include "setup/console/ConsoleFrontEnd.h"

int main(int argc, char* argv[]) {
    if (const std::optional<int> status = setup::RunWithoutWindows(argc, argv)) {
        return *status;
    }
    QApplication application(argc, argv);
    framework::CWinApp* pApp = framework::CWinApp::GetApp();
    if (pApp == nullptr) {
        return 1;
    }
    return pApp->Run();
}
