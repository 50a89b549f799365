// The dialog's own state: its controls by identifier, texts, data exchange, the
// standard commands and close requests.
#include "framework/Dialog.h"

#include <QApplication>
#include <QCloseEvent>
#include <QGroupBox>

#include "framework/ComboBox.h"
#include "framework/DataExchange.h"
#include "framework/Edit.h"
#include "framework/Static.h"
#include "framework/WinApp.h"
#include "framework/qt/QtIcon.h"
#include "framework/qt/WindowCaption.h"

namespace framework {

QWidget* CDialog::GetDlgItem(int nId) const {
    for (std::size_t i = 0; i < m_controls.size(); ++i) {
        if (m_template.controls[i].nId == nId) {
            return m_controls[i];
        }
    }
    return nullptr;
}

std::string CDialog::GetDlgItemText(int nId) const {
    QWidget* pWidget = GetDlgItem(nId);
    if (auto* pEdit = dynamic_cast<CEdit*>(pWidget)) {
        return pEdit->GetWindowText();
    }
    if (auto* pCombo = dynamic_cast<CComboBox*>(pWidget)) {
        return pCombo->GetWindowText();
    }
    if (auto* pLabel = dynamic_cast<QLabel*>(pWidget)) {
        return pLabel->text().toStdString();
    }
    if (auto* pButton = dynamic_cast<QAbstractButton*>(pWidget)) {
        return pButton->text().toStdString();
    }
    if (auto* pGroup = dynamic_cast<QGroupBox*>(pWidget)) {
        return pGroup->title().toStdString();
    }
    return std::string();
}

void CDialog::SetDlgItemText(int nId, const std::string& text) {
    QWidget* pWidget = GetDlgItem(nId);
    const QString value = QString::fromStdString(text);
    if (auto* pEdit = dynamic_cast<CEdit*>(pWidget)) {
        pEdit->SetWindowText(text);
    } else if (auto* pStatic = dynamic_cast<CStatic*>(pWidget)) {
        pStatic->SetWindowText(text);
    } else if (auto* pLabel = dynamic_cast<QLabel*>(pWidget)) {
        pLabel->setText(value);
    } else if (auto* pButton = dynamic_cast<QAbstractButton*>(pWidget)) {
        pButton->setText(value);
    } else if (auto* pGroup = dynamic_cast<QGroupBox*>(pWidget)) {
        pGroup->setTitle(value);
    }
}

void CDialog::NameDlgItemAfterCaption(int nId, const std::string& caption) {
    NameAfterCaption(GetDlgItem(nId), QString::fromStdString(caption));
}

QWidget* CDialog::GetOwner() const {
    if (QWidget* pParent = parentWidget()) {
        return pParent;
    }
    CWinApp* pApp = CWinApp::GetApp();
    QWidget* pMain = pApp ? pApp->m_pMainWnd : nullptr;
    return pMain == this ? nullptr : pMain;
}

void CDialog::PostCommand(int nId) {
    QMetaObject::invokeMethod(
        this, [this, nId] { OnCommand(nId, CommandCode::Posted); }, Qt::QueuedConnection);
}

void CDialog::SetClassIcon(const CIcon& icon) {
    QApplication::setWindowIcon(ToQIcon(icon));
}

void CDialog::SetWindowText(const std::string& text) {
    SetWindowCaption(*this, text);
}

std::string CDialog::GetWindowText() const {
    return WindowCaption(*this);
}

void CDialog::GotoDlgCtrl(QWidget* pControl) {
    if (pControl) {
        pControl->setFocus(Qt::TabFocusReason);
    }
}

void CDialog::SetIcon(const CIcon& icon, bool) {
    setWindowIcon(ToQIcon(icon));
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

void CDialog::closeEvent(QCloseEvent* pEvent) {
    // Ending the dialog hides it; only a close request of the user arrives here.
    pEvent->ignore();
    OnClose();
}

void CDialog::reject() {
    OnCancel();
}

void CDialog::accept() {
    OnOK();
}

}  // namespace framework
