#include "tests/support/ScriptedUserInterface.h"

#include <gtest/gtest.h>

namespace testing_support {

void ReportUnexpectedBox(const std::string& text) {
    ADD_FAILURE() << "unexpected message box: " << text;
}

template class CScriptedMessages<platform::CUserInterface, CShownBox>;

}  // namespace testing_support
