#pragma once

#include "framework/DialogUserInterface.h"

namespace framework {

// The user interface the programs run with: real message boxes, the wait cursor
// as busy pointer, the desktop's beep and real modal loops.
class CQtUserInterface : public CDialogUserInterface {
public:
    platform::MessageResult MessageBox(const std::string& text, platform::MessageIcon icon,
                                       platform::MessageButtons buttons) override;
    void Beep() override;
    [[noreturn]] void ExitProcess(int exitCode) override;
    int RunModalDialog(CDialog& dialog) override;
    void PumpEvents() override;
    void RepaintWindows() override;

protected:
    void ShowBusyPointer(bool busy) override;
};

}  // namespace framework
