#include "setup/ui/DirectoryDlg.h"

#include "framework/DataExchange.h"
#include "framework/Edit.h"
#include "framework/Static.h"
#include "platform/UserInterface.h"
#include "setup/config/DirectoryChoice.h"
#include "setup/config/SetupIni.h"
#include "setup/config/StringTable.h"
#include "setup/ui/DriveComboBox.h"
#include "setup/ui/Resource.h"
#include "setup/ui/SetupLayout.h"

namespace setup {

namespace {

void ShowError(const std::string& text) {
    platform::UserInterface().MessageBox(text, platform::MessageIcon::Exclamation,
                                         platform::MessageButtons::Ok);
}

}  // namespace

CDirectoryDlg::CDirectoryDlg(CDialog* pParent)
    : CDialog(DirectoryDialogTemplate(), pParent),
      m_strDirectory(ReadIniString("Setup", "DefaultDirectory")) {}

std::unique_ptr<framework::CComboBox> CDirectoryDlg::CreateComboBox(
    const framework::CControlTemplate& control) {
    if (control.nId == IDC_DRIVE) {
        return std::make_unique<CDriveComboBox>();
    }
    return CDialog::CreateComboBox(control);
}

void CDirectoryDlg::DoDataExchange(framework::CDataExchange& dx) {
    CDialog::DoDataExchange(dx);
    dx.Control(IDC_DRIVE, m_cboDrive);
    dx.Text(IDC_DIRECTORY, m_strDirectory, kMaxDirectoryChars);
}

bool CDirectoryDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    if (m_cboDrive) {
        m_cboDrive->FillDrives();
        m_cboDrive->SetAccessibleDescription(LoadSetupString(IDS_DESCRIBE_DRIVE));
    }
    if (auto* pField = GetDlgItemAs<framework::CEdit>(IDC_DIRECTORY)) {
        // The label's mnemonic leads to the drive list, which it names; the field
        // after the list belongs to the same label, and a screen reader says so.
        NameDlgItemAfterCaption(IDC_DIRECTORY, LoadSetupString(IDS_CAPTION_DIRECTORY));
        pField->SetAccessibleDescription(LoadSetupString(IDS_DESCRIBE_FOLDER));
    }
    // Carried out once the dialog takes its first events, after it is on screen.
    PostCommand(IDC_DIRECTORY);
    SetWindowText(ReadIniString("Setup", "Caption"));
    SetDlgItemText(IDC_PROMPT, ReadIniString("Setup", "DirectoryPrompt"));
    CenterWindow();
    return true;  // the first tab stop, the drive list, takes the focus
}

bool CDirectoryDlg::OnCommand(int nId, framework::CommandCode code) {
    if (code == framework::CommandCode::Posted && nId == IDC_DIRECTORY) {
        if (auto* pField = GetDlgItemAs<framework::CEdit>(IDC_DIRECTORY)) {
            pField->SetSel(0, -1);
        }
        return true;
    }
    return CDialog::OnCommand(nId, code);
}

void CDirectoryDlg::SelectDirectoryField() {
    if (auto* pField = GetDlgItemAs<framework::CEdit>(IDC_DIRECTORY)) {
        // Selecting from the start to the end leaves the caret at the end, in view.
        pField->SetSel(0, -1);
        GotoDlgCtrl(pField);
    }
}

void CDirectoryDlg::OnOK() {
    if (!UpdateData(true)) {
        return;  // the exchange has told the user and selected the field
    }
    // Without a drive to put first (the list is empty only on a machine without
    // mapped drives) the text stands alone and resolves like any relative path.
    const int nDrive = m_cboDrive ? m_cboDrive->GetCurSel() : -1;
    const CDirectoryChoice choice(nDrive >= 0 ? m_cboDrive->GetLBText(nDrive) : std::string(),
                                  m_strDirectory);
    if (!choice.IsAccepted()) {
        // An empty field is told first and then selected; a refused path the other way.
        if (choice.GetVerdict() != CDirectoryChoice::Verdict::Empty) {
            SelectDirectoryField();
        }
        ShowError(choice.Message());
        if (choice.GetVerdict() == CDirectoryChoice::Verdict::Empty) {
            SelectDirectoryField();
        }
        return;
    }
    m_szFullPath = choice.FullPath();
    CDialog::OnOK();
}

}  // namespace setup
