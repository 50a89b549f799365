// The Qt backend's half of the application object: its run in Qt's event loop with
// the Qt user interface, and the help window.
#include <QApplication>

#include "framework/WinApp.h"
#include "framework/qt/HelpWindow.h"
#include "framework/qt/QtUserInterface.h"
#include "platform/PathCase.h"
#include "platform/SystemStrings.h"
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

void CWinApp::ShowHelp(HelpCommand command) {
    if (command == HelpCommand::Quit) {
        // A static application object can outlive the toolkit, and its windows with it.
        if (QCoreApplication::instance()) {
            delete m_pHelpWindow;
        }
        m_pHelpWindow = nullptr;
        return;
    }
    const std::string path = platform::ResolveExistingCase(m_strHelpFilePath);
    if (m_strHelpFilePath.empty() || !CHelpWindow::CanShow(path)) {
        platform::UserInterface().MessageBox(
            platform::LoadSystemString(platform::IDS_SYS_HELP_FAILED),
            platform::MessageIcon::Exclamation, platform::MessageButtons::Ok);
        return;
    }
    if (!m_pHelpWindow) {
        m_pHelpWindow = new CHelpWindow();
    }
    m_pHelpWindow->ShowContents(path);
}

}  // namespace framework
