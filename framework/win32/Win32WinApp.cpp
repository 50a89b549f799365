// The Win32 backend's half of the application object: its run with the system's
// message boxes and message loop, and the help window.
#include "framework/win32/SystemHeaders.h"

#include "framework/WinApp.h"
#include "framework/win32/HelpWindow.h"
#include "framework/win32/Win32UserInterface.h"
#include "platform/PathCase.h"
#include "platform/SystemStrings.h"
#include "platform/UserInterface.h"

namespace framework {

int CWinApp::Run() {
    InitApplication();
    win32::CWin32UserInterface userInterface;
    platform::SetUserInterface(&userInterface);
    int exitCode = 0;
    if (InitInstance()) {
        MSG message;
        while (::GetMessageW(&message, nullptr, 0, 0) > 0) {
            ::TranslateMessage(&message);
            ::DispatchMessageW(&message);
        }
        exitCode = static_cast<int>(message.wParam);
    }
    exitCode = std::max(exitCode, ExitInstance());
    ShowHelp(HelpCommand::Quit);
    platform::SetUserInterface(nullptr);
    return exitCode;
}

void CWinApp::ShowHelp(HelpCommand command) {
    if (command == HelpCommand::Quit) {
        delete m_pHelpWindow;
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
