#pragma once

#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <vector>

#include "setup/ui/SetupApp.h"
#include "setup/ui/SetupDlg.h"
#include "tests/support/DriveScope.h"
#include "tests/support/ScriptedDialogUserInterface.h"

namespace setup_ui_test {

// The SETUP.INI most tests run with; its caption titles every window.
extern const char* const kIni;
constexpr const char* kCaption = "Word Game Setup";

// Names each row of a table of cases after its `name`.
inline constexpr auto kCaseName = [](const auto& info) { return std::string(info.param.name); };

// Clicks the control `nId` of `dialog` with the mouse, or gives it the focus and
// presses `key` on it.
void ClickItem(framework::CDialog& dialog, int nId);
void KeyOnItem(framework::CDialog& dialog, int nId, testing_support::Key key);

// The installer as it runs from C:\Setup\setup with drive C: pointed at a fresh
// folder, driven through the scripted seam. The application object exists from the
// start; the main dialog opens on request.
class CSetupFixture : public ::testing::Test {
public:
    CSetupFixture();
    ~CSetupFixture() override;
    // Every answer, pump step and dialog action a test scripts must have been used.
    void TearDown() override { EXPECT_TRUE(m_ui.ScriptUsedUp()); }

    void WriteIni(const std::string& text) const;
    // Names the program after the caption, as start-up does, and opens the main
    // dialog without running it.
    void OpenMainDialog();
    // The texts of the boxes and dialogs shown so far, in order; dialogs as "[id]".
    std::vector<std::string> Shown() const;

    testing_support::CDriveScope m_drive;
    testing_support::CScriptedDialogUserInterface m_ui;
    std::unique_ptr<setup::CSetupApp> m_pApp;
    std::unique_ptr<setup::CSetupDlg> m_pMain;
};

}  // namespace setup_ui_test
