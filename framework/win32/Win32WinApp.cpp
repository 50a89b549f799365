// The Win32 backend's half of the application object: its run with the system's
// message boxes and message loop.
#include "framework/win32/SystemHeaders.h"

#include "framework/WinApp.h"
#include "framework/win32/Win32UserInterface.h"
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

}  // namespace framework
