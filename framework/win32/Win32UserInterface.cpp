#include "framework/win32/Win32UserInterface.h"

#include <cstdio>
#include <cstdlib>

#include "framework/win32/NativeUserInterface.h"
#include "platform/LineBreaks.h"

namespace framework::win32 {

platform::MessageResult CWin32UserInterface::MessageBox(const std::string& text,
                                                        platform::MessageIcon icon,
                                                        platform::MessageButtons buttons) {
    return ShowSystemMessageBox(platform::NormaliseLineBreaks(text), platform::DisplayName(), icon,
                                buttons);
}

void CWin32UserInterface::Beep() {
    DefaultBeep();
}

void CWin32UserInterface::ExitProcess(int exitCode) {
    std::fflush(nullptr);
    std::_Exit(exitCode);
}

void CWin32UserInterface::PumpEvents() {
    // The dialog manager's keyboard handling is left out: a key reaches the control
    // with the focus, so only the space bar on a push button does anything.
    PumpMessages();
}

void CWin32UserInterface::RepaintWindows() {
    PumpPaintMessages();
}

void CWin32UserInterface::ShowBusyPointer(bool busy) {
    ShowWaitCursor(busy);
}

}  // namespace framework::win32
