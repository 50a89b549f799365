// The Qt backend's half of the application object: its run in Qt's event loop with
// the Qt user interface.
#include <QApplication>

#include "framework/WinApp.h"
#include "framework/qt/QtUserInterface.h"
#include "platform/UserInterface.h"

namespace framework {

int CWinApp::Run() {
    InitApplication();
    CQtUserInterface userInterface;
    platform::SetUserInterface(&userInterface);
    int exitCode = 0;
    if (InitInstance()) {
        exitCode = QApplication::exec();
    }
    exitCode = std::max(exitCode, ExitInstance());
    ShowHelp(HelpCommand::Quit);
    platform::SetUserInterface(nullptr);
    return exitCode;
}

}  // namespace framework
