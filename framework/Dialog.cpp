// The dialog's own state, whatever the backend: its controls by identifier, texts,
// data exchange, the standard commands, the keys it handles and its modal run
// through the user-interface hook.
#include "framework/Dialog.h"

#include "framework/Button.h"
#include "framework/ComboBox.h"
#include "framework/DataExchange.h"
#include "framework/DialogUserInterface.h"
#include "framework/Edit.h"
#include "framework/GroupBox.h"
#include "framework/ListBox.h"
#include "framework/ProgressCtrl.h"
#include "framework/Static.h"
#include "framework/WinApp.h"

namespace framework {

std::string LayoutCaption(const CDialogTemplate& dialogTemplate, int nCaptionId) {
    if (nCaptionId == 0 || dialogTemplate.pfnLoadString == nullptr) {
        return std::string();
    }
    return dialogTemplate.pfnLoadString(nCaptionId);
}

int CDialog::DoModal() {
    if (CDialogUserInterface* pHook = DialogUserInterface()) {
        return pHook->RunModalDialog(*this);
    }
    return RunModalLoop();
}

bool CDialog::CreateAndInitialize() {
    if (m_bCreated) {
        return false;
    }
    m_bCreated = true;
    m_bEnded = false;
    m_nModalResult = -1;
    return CreateWindowAndInitialize();
}

bool CDialog::InitializeWindow() {
    CreateControls();
    UpdateData(false);
    return OnInitDialog();
}

std::unique_ptr<CWnd> CDialog::MakeControl(const CControlTemplate& control) {
    switch (control.kind) {
        case ControlKind::Label:
        case ControlKind::Icon:
            return std::make_unique<CStatic>();
        case ControlKind::GroupBox:
            return std::make_unique<CGroupBox>();
        case ControlKind::PushButton:
            return std::make_unique<CButton>();
        case ControlKind::Edit:
            return std::make_unique<CEdit>();
        case ControlKind::ListBox:
            return std::make_unique<CListBox>();
        case ControlKind::ComboBox:
            return CreateComboBox(control);
        case ControlKind::ProgressBar:
            return std::make_unique<CProgressCtrl>();
    }
    return nullptr;
}

void CDialog::CreateControls() {
    for (const CControlTemplate& control : m_template.controls) {
        std::unique_ptr<CWnd> pControl = MakeControl(control);
        pControl->Create(*this, control, LayoutCaption(m_template, control.nCaptionId));
        m_controls.push_back(std::move(pControl));
    }
    // A label's or group box's mnemonic leads to the next control that takes focus.
    for (std::size_t i = 0; i < m_controls.size(); ++i) {
        CWnd* pBuddy = nullptr;
        for (std::size_t j = i + 1; j < m_controls.size() && !pBuddy; ++j) {
            if (TakesFocus(m_template.controls[j])) {
                pBuddy = m_controls[j].get();
            }
        }
        if (auto* pLabel = dynamic_cast<CStatic*>(m_controls[i].get())) {
            pLabel->SetMnemonicTarget(pBuddy);
        } else if (auto* pGroup = dynamic_cast<CGroupBox*>(m_controls[i].get())) {
            pGroup->SetBuddy(pBuddy);
        }
    }
}

std::unique_ptr<CComboBox> CDialog::CreateComboBox(const CControlTemplate&) {
    return std::make_unique<CComboBox>();
}

CWnd* CDialog::GetDlgItem(int nId) const {
    for (std::size_t i = 0; i < m_controls.size(); ++i) {
        if (m_template.controls[i].nId == nId) {
            return m_controls[i].get();
        }
    }
    return nullptr;
}

std::string CDialog::GetDlgItemText(int nId) const {
    const CWnd* pControl = GetDlgItem(nId);
    return pControl ? pControl->GetWindowText() : std::string();
}

void CDialog::SetDlgItemText(int nId, const std::string& text) {
    if (CWnd* pControl = GetDlgItem(nId)) {
        pControl->SetWindowText(text);
    }
}

void CDialog::NameDlgItemAfterCaption(int nId, const std::string& caption) {
    NameAfterCaption(GetDlgItem(nId), caption);
}

std::vector<CWnd*> CDialog::GetControls() const {
    std::vector<CWnd*> controls;
    for (const auto& pControl : m_controls) {
        controls.push_back(pControl.get());
    }
    return controls;
}

CWnd* CDialog::GetFocusedControl() const {
    for (const auto& pControl : m_controls) {
        if (pControl->HasFocus()) {
            return pControl.get();
        }
    }
    return nullptr;
}

CWnd* CDialog::LayoutDefaultButton() const {
    for (std::size_t i = 0; i < m_controls.size(); ++i) {
        if (m_template.controls[i].style & StyleDefaultButton) {
            return m_controls[i].get();
        }
    }
    return nullptr;
}

int CDialog::GetDefaultButtonId() const {
    if (m_template.style & DialogIgnoresEnterAndEscape) {
        return 0;
    }
    const auto usable = [](const CWnd* pButton) {
        return pButton && pButton->IsWindowEnabled() && pButton->IsWindowVisible();
    };
    // The focused push button when it can be pressed, else the layout's default.
    for (std::size_t i = 0; i < m_controls.size(); ++i) {
        if (m_template.controls[i].kind == ControlKind::PushButton && m_controls[i]->HasFocus() &&
            usable(m_controls[i].get())) {
            return m_template.controls[i].nId;
        }
    }
    const CWnd* pDefault = LayoutDefaultButton();
    if (!usable(pDefault)) {
        return 0;
    }
    for (std::size_t i = 0; i < m_controls.size(); ++i) {
        if (m_controls[i].get() == pDefault) {
            return m_template.controls[i].nId;
        }
    }
    return 0;
}

CDialog* CDialog::GetOwner() const {
    if (m_pParent) {
        return m_pParent;
    }
    CWinApp* pApp = CWinApp::GetApp();
    CDialog* pMain = pApp ? pApp->m_pMainWnd : nullptr;
    return pMain == this ? nullptr : pMain;
}

void CDialog::OnEscapeKey() {
    if (!(m_template.style & DialogIgnoresEnterAndEscape)) {
        OnCancel();
    }
}

void CDialog::OnEnterKey() {
    // Decided from the focus at the moment of the key, so that no state left from
    // earlier focus changes (which an inactive window does not even see) can send
    // Enter to a button that is disabled or hidden by now.
    if (const int nId = GetDefaultButtonId()) {
        OnCommand(nId, CommandCode::Clicked);
    }
}

void CDialog::OnHelpKey() {
    if (CWinApp* pApp = CWinApp::GetApp()) {
        pApp->OnHelp();
    }
}

bool CDialog::UpdateData(bool bSaveAndValidate) {
    CDataExchange dx(*this, bSaveAndValidate);
    DoDataExchange(dx);
    return !dx.Failed();
}

bool CDialog::OnCommand(int nId, CommandCode code) {
    if (code != CommandCode::Clicked) {
        return false;
    }
    if (nId == CommandOk) {
        OnOK();
        return true;
    }
    if (nId == CommandCancel) {
        OnCancel();
        return true;
    }
    return false;
}

void CDialog::DoDataExchange(CDataExchange&) {}

bool CDialog::OnInitDialog() {
    return true;
}

void CDialog::OnOK() {
    if (UpdateData(true)) {
        EndDialog(CommandOk);
    }
}

void CDialog::OnCancel() {
    EndDialog(CommandCancel);
}

void CDialog::OnClose() {
    OnCancel();
}

}  // namespace framework
