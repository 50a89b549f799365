// The dialog's keys: Escape cancels, F1 asks for help, and Enter presses the
// button the focus designates.
#include <QKeyEvent>

#include "framework/Dialog.h"
#include "framework/WinApp.h"

namespace framework {

QPushButton* CDialog::LayoutDefaultButton() const {
    for (std::size_t i = 0; i < m_controls.size(); ++i) {
        if (m_template.controls[i].style & StyleDefaultButton) {
            return qobject_cast<QPushButton*>(m_controls[i]);
        }
    }
    return nullptr;
}

QPushButton* CDialog::EnterTarget() const {
    // Decided from the focus at the moment of the key, so that no state left from
    // earlier focus changes (which an inactive window does not even see) can send
    // Enter to a button that is disabled or hidden by now.
    auto* pFocused = qobject_cast<QPushButton*>(focusWidget());
    if (pFocused && pFocused->window() == this && pFocused->isEnabled() && pFocused->isVisible()) {
        return pFocused;
    }
    QPushButton* pDefault = LayoutDefaultButton();
    return pDefault && pDefault->isEnabled() && pDefault->isVisible() ? pDefault : nullptr;
}

void CDialog::ShowDefaultOnFocus() {
    auto* pFocused = qobject_cast<QPushButton*>(focusWidget());
    QPushButton* pShown = pFocused && pFocused->window() == this ? pFocused : LayoutDefaultButton();
    for (QWidget* pControl : m_controls) {
        if (auto* pButton = qobject_cast<QPushButton*>(pControl); pButton && pButton != pShown) {
            pButton->setDefault(false);
        }
    }
    if (pShown) {
        pShown->setDefault(true);
    }
}

void CDialog::keyPressEvent(QKeyEvent* pEvent) {
    const Qt::KeyboardModifiers held =
        pEvent->modifiers() & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier);
    if (held != Qt::NoModifier) {
        QDialog::keyPressEvent(pEvent);
        return;
    }
    const bool bIgnoresEnterAndEscape = (m_template.style & DialogIgnoresEnterAndEscape) != 0;
    switch (pEvent->key()) {
        case Qt::Key_Escape:
            pEvent->accept();
            if (!bIgnoresEnterAndEscape) {
                OnCancel();
            }
            return;
        case Qt::Key_F1:
            pEvent->accept();
            if (CWinApp* pApp = CWinApp::GetApp()) {
                pApp->OnHelp();
            }
            return;
        case Qt::Key_Return:
        case Qt::Key_Enter:
            pEvent->accept();
            if (QPushButton* pButton = bIgnoresEnterAndEscape ? nullptr : EnterTarget()) {
                pButton->click();
            }
            return;
        default:
            QDialog::keyPressEvent(pEvent);
    }
}

}  // namespace framework
