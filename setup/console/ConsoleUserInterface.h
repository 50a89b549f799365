#pragma once

#include <functional>

#include "platform/UserInterface.h"

namespace setup {

class CConsoleLog;

// Message boxes without windows: each is written to the log and answered at once.
// The desktop launcher question takes the answer of --desktop-launcher. While the
// run undoes its work every question is answered Yes, since each only offers to
// remove what this run created; any other question is answered No, so that nothing
// is done that the command line did not ask for. The event pump, called between
// two files, is where a SIGINT or SIGTERM turns into a cancel.
class CConsoleUserInterface : public platform::CUserInterface {
public:
    CConsoleUserInterface(CConsoleLog& log, bool bDesktopLauncher);

    platform::MessageResult MessageBox(const std::string& text, platform::MessageIcon icon,
                                       platform::MessageButtons buttons) override;
    void Beep() override {}
    [[noreturn]] void ExitProcess(int exitCode) override;
    void PumpEvents() override;

    // What PumpEvents does when an interrupt has arrived; nothing when empty.
    void SetInterruptHandler(std::function<void()> handler) { m_onInterrupt = std::move(handler); }
    // From now on questions are those of the rollback.
    void SetRollingBack(bool bRollingBack) { m_bRollingBack = bRollingBack; }

protected:
    void ShowBusyPointer(bool) override {}

private:
    bool Answer(const std::string& question) const;

    CConsoleLog& m_log;
    bool m_bDesktopLauncher;
    bool m_bRollingBack = false;
    std::function<void()> m_onInterrupt;
};

}  // namespace setup
