#include "setup/ui/SetupDlg.h"

#include "framework/Static.h"
#include "platform/UserInterface.h"
#include "setup/config/SetupIni.h"
#include "setup/config/StringTable.h"
#include "setup/engine/InstallationRun.h"
#include "setup/engine/PostCopyActions.h"
#include "setup/ui/DialogInstallerWindows.h"
#include "setup/ui/DiskIcon.h"
#include "setup/ui/Resource.h"
#include "setup/ui/SetupLayout.h"

namespace setup {

namespace {

// Read afresh on every press: SETUP.INI may have changed meanwhile.
void ShowInformation(const char* pszKey) {
    platform::UserInterface().MessageBox(ReadIniString("Setup", pszKey),
                                         platform::MessageIcon::Information,
                                         platform::MessageButtons::Ok);
}

}  // namespace

CSetupDlg::CSetupDlg(CDialog* pParent)
    : CDialog(SetupDialogTemplate(), pParent), m_hIcon(DiskIcon()) {}

bool CSetupDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    CenterWindow();
    SetIcon(m_hIcon, true);
    SetIcon(m_hIcon, false);
    // Every dialog the installer opens from now on shows the same icon.
    SetClassIcon(m_hIcon);
    SetWindowText(ReadIniString("Setup", "Caption"));
    SetDlgItemText(IDC_PRODUCT_TEXT, ReadIniString("Setup", "MainDialogText"));
    if (auto* pIcon = GetDlgItemAs<framework::CStatic>(IDC_PROGRAM_ICON)) {
        pIcon->SetIcon(m_hIcon);
        pIcon->SetAccessibleName(LoadSetupString(IDS_NAME_PROGRAM_ICON));
    }
    return true;  // "&Description...", the first tab stop, takes the focus
}

bool CSetupDlg::OnCommand(int nId, framework::CommandCode code) {
    if (code == framework::CommandCode::Clicked) {
        switch (nId) {
            case IDC_DESCRIPTION:
                OnDescription();
                return true;
            case IDC_REQUIREMENTS:
                OnRequirements();
                return true;
            case IDC_SETUP:
                OnSetup();
                return true;
            default:
                break;
        }
    }
    return CDialog::OnCommand(nId, code);
}

void CSetupDlg::OnDescription() {
    ShowInformation("Description");
}

void CSetupDlg::OnRequirements() {
    ShowInformation("Requirements");
}

void CSetupDlg::OnSetup() {
    RunInstallation();
}

void CSetupDlg::RunInstallation() {
    CDialogInstallerWindows windows;
    setup::RunInstallation(windows, m_strInstallDirectory, RunPostCopyActions);
}

void CSetupDlg::OnCancel() {}

void CSetupDlg::OnClose() {
    OnOK();
}

}  // namespace setup
