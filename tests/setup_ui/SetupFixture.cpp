#include "tests/setup_ui/SetupFixture.h"

#include "platform/ProgramPath.h"
#include "platform/UserInterface.h"
#include "setup/config/SetupIni.h"

namespace setup_ui_test {

const char* const kIni =
    "[Setup]\r\n"
    "Caption=Word Game Setup\r\n"
    "MainDialogText=This program installs Word Game on your computer.\r\n"
    "Description=Word Game asks you to find words in the letters of a long word.\r\n"
    "Requirements=Word Game needs about 2 MB of free disk space.\r\n"
    "DefaultDirectory=WORDGAME\r\n"
    "DirectoryPrompt=Setup will install Word Game into the following directory.\r\n";

CSetupFixture::CSetupFixture() {
    m_drive.MakeDirectories("Setup");
    // The installer copies itself into the folder for the uninstall.
    m_drive.Drive().Write("Setup/setup", "the installer\n");
    platform::OverrideProgramPath(m_drive.Host("Setup/setup"));
    WriteIni(kIni);
    m_pApp = std::make_unique<setup::CSetupApp>();
}

CSetupFixture::~CSetupFixture() {
    if (m_pApp) {
        m_pApp->m_pMainWnd = nullptr;
    }
    m_pMain.reset();
    m_pApp.reset();
    platform::SetDisplayName(std::string());
}

void CSetupFixture::WriteIni(const std::string& text) const {
    m_drive.Drive().Write("Setup/SETUP.INI", text);
}

void CSetupFixture::OpenMainDialog() {
    platform::SetDisplayName(setup::ReadIniString("Setup", "Caption"));
    m_pMain = std::make_unique<setup::CSetupDlg>();
    m_pApp->m_pMainWnd = m_pMain.get();
    m_pMain->CreateAndInitialize();
    testing_support::ActivateWindow(*m_pMain);
}

std::vector<std::string> CSetupFixture::Shown() const {
    std::vector<std::string> shown;
    for (const auto& window : m_ui.Transcript()) {
        shown.push_back(window.kind == testing_support::ShownKind::Dialog
                            ? "[" + std::to_string(window.nTemplateId) + "]"
                            : window.text);
    }
    return shown;
}

void ClickItem(framework::CDialog& dialog, int nId) {
    testing_support::Click(dialog, nId);
}

void KeyOnItem(framework::CDialog& dialog, int nId, testing_support::Key key) {
    framework::CWnd* pControl = dialog.GetDlgItem(nId);
    ASSERT_NE(pControl, nullptr) << nId;
    pControl->SetFocus();
    testing_support::Press(dialog, key);
}

}  // namespace setup_ui_test
