#pragma once

#include "platform/UserInterface.h"

namespace framework::win32 {

// The user interface of the programs on Windows: the system's message boxes, the
// wait cursor as busy pointer, the default beep, and the message pump of long work.
class CWin32UserInterface : public platform::CUserInterface {
public:
    platform::MessageResult MessageBox(const std::string& text, platform::MessageIcon icon,
                                       platform::MessageButtons buttons) override;
    void Beep() override;
    [[noreturn]] void ExitProcess(int exitCode) override;
    // Takes every message waiting and hands it to its window, without the dialog
    // manager's keyboard handling: only a key that a control takes itself (the space
    // bar on a push button) does anything.
    void PumpEvents() override;
    // Paints what waits to be painted; input stays queued.
    void RepaintWindows() override;

    // Whether the busy pointer is up: a window asked for its cursor shows the wait
    // cursor meanwhile.
    bool IsBusy() const { return BusyDepth() > 0; }

protected:
    void ShowBusyPointer(bool busy) override;
};

}  // namespace framework::win32
