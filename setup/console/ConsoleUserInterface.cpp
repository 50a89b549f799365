#include "setup/console/ConsoleUserInterface.h"

#include <cstdio>
#include <cstdlib>

#include "platform/Console.h"
#include "platform/Format.h"
#include "setup/config/StringTable.h"
#include "setup/console/ConsoleLog.h"

namespace setup {

CConsoleUserInterface::CConsoleUserInterface(CConsoleLog& log, bool bDesktopLauncher)
    : m_log(log), m_bDesktopLauncher(bDesktopLauncher) {}

bool CConsoleUserInterface::Answer(const std::string& question) const {
    if (question == LoadSetupString(IDS_ASK_DESKTOP_SHORTCUT)) {
        return m_bDesktopLauncher;
    }
    return m_bRollingBack;
}

platform::MessageResult CConsoleUserInterface::MessageBox(const std::string& text,
                                                          platform::MessageIcon,
                                                          platform::MessageButtons buttons) {
    if (buttons != platform::MessageButtons::YesNo) {
        m_log.Write(text);
        return platform::MessageResult::Ok;
    }
    const bool yes = Answer(text);
    m_log.Write(platform::FormatString(LoadSetupString(IDS_LOG_ANSWER),
                                       {text, LoadSetupString(yes ? IDS_LOG_YES : IDS_LOG_NO)}));
    return yes ? platform::MessageResult::Yes : platform::MessageResult::No;
}

void CConsoleUserInterface::ExitProcess(int exitCode) {
    std::fflush(nullptr);
    std::_Exit(exitCode);
}

void CConsoleUserInterface::PumpEvents() {
    if (m_onInterrupt && platform::InterruptRequested()) {
        m_onInterrupt();
    }
}

}  // namespace setup
