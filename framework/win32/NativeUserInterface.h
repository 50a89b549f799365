#pragma once

#include <string>

#include "platform/MessageKinds.h"

namespace framework::win32 {

// The system calls behind the Windows user interface, apart from it: <windows.h>
// renames any function called MessageBox in a file that includes it.

// Shows the system's message box over the window in front and waits for its answer.
platform::MessageResult ShowSystemMessageBox(const std::string& text, const std::string& caption,
                                             platform::MessageIcon icon,
                                             platform::MessageButtons buttons);
void DefaultBeep();
// Takes every message waiting and hands it to its window.
void PumpMessages();
// Hands on the messages that paint; the others stay queued.
void PumpPaintMessages();
void ShowWaitCursor(bool busy);

}  // namespace framework::win32
