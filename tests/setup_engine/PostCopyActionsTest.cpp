#include <gtest/gtest.h>

#include <filesystem>

#include "setup/engine/PostCopyActions.h"
#include "tests/setup_engine/PostCopyFixture.h"
#include "tests/setup_engine/ProbeLog.h"

using platform::MessageResult;

namespace {

using PostCopyActionsTest = testing_support::CPostCopyFixture;

TEST_F(PostCopyActionsTest, RegistrationThenShortcutsThenProgramsToStart) {
    CopyToDrive(COMPONENT_REGISTERS, "Product/REG.SO");
    CopyToDrive(POST_COPY_PROBE, "Product/LETTRINO");
    CopyToDrive(POST_COPY_PROBE, "My Setup/README.EXE");
    m_environment.Set("COMPONENT_EVIDENCE", m_scope.Host("evidence.txt"));
    testing_support::CProbeLog log(m_scope.Host("probe.fifo"));
    WriteIni(
        "[Setup]\nName=Word Game\n"
        "[Register]\nObjects=1\nObject1=REG.SO\n"
        "[Shortcuts]\nExeName=Lettrino\nLnkName=Word Game.lnk\n"
        "[RunAfterSetup]\nFile1=README.EXE\nFile1Message=Setup will now show the release notes.\n");
    // What has been done when each box comes up.
    std::vector<std::string> states;
    m_ui.onBox = [&](const std::string& text) {
        std::string state = text.substr(0, 12);
        if (std::filesystem::exists(m_scope.Host("evidence.txt"))) {
            state += " registered";
        }
        if (std::filesystem::exists(MenuLauncher("Word Game"))) {
            state += " menu";
        }
        if (std::filesystem::exists(DesktopLauncher("Word Game"))) {
            state += " desktop";
        }
        states.push_back(state);
    };
    m_ui.Answer(MessageResult::Yes);
    m_ui.Answer(MessageResult::Ok);
    m_ui.Answer(MessageResult::Ok);

    setup::RunPostCopyActions("C:\\Product\\", "C:\\Product");

    EXPECT_EQ(states, (std::vector<std::string>{"Create deskt registered menu",
                                                "Word Game wa registered menu desktop",
                                                "Setup will n registered menu desktop"}));
    EXPECT_EQ(log.Next(), "README.EXE|" + Canonical("My Setup"));
}

}  // namespace
