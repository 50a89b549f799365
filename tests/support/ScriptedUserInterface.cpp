#include "tests/support/ScriptedUserInterface.h"

#include <gtest/gtest.h>

namespace testing_support {

CScriptedUserInterface::CScriptedUserInterface() {
    platform::SetUserInterface(this);
}

CScriptedUserInterface::~CScriptedUserInterface() {
    platform::SetUserInterface(nullptr);
}

platform::MessageResult CScriptedUserInterface::MessageBox(const std::string& text,
                                                           platform::MessageIcon icon,
                                                           platform::MessageButtons buttons) {
    m_transcript.push_back({platform::DisplayName(), text, icon, buttons, BusyDepth()});
    const platform::MessageResult fallback = buttons == platform::MessageButtons::YesNo
                                                 ? platform::MessageResult::Yes
                                                 : platform::MessageResult::Ok;
    if (m_script.empty()) {
        ADD_FAILURE() << "unexpected message box: " << text;
        return fallback;
    }
    const platform::MessageResult answer = m_script.front();
    m_script.pop_front();
    return answer;
}

void CScriptedUserInterface::ExitProcess(int exitCode) {
    throw CProcessExit(exitCode);
}

}  // namespace testing_support
