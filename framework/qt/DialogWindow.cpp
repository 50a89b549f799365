#include "framework/qt/DialogWindow.h"

#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QPushButton>

#include "framework/Dialog.h"
#include "framework/qt/QtWidget.h"

namespace framework {

CDialogWindow::CDialogWindow(CDialog& dialog, QWidget* pParent)
    : QDialog(pParent),
      m_dialog(dialog),
      m_units(CDialogUnits::DialogFont(dialog.GetTemplate().pszFontFace,
                                       dialog.GetTemplate().nPointSize)) {
    setFont(m_units.Font());
    // Only real focus changes arrive here; a change inside an inactive window does
    // not, which is why Enter asks the dialog and never trusts the look.
    connect(qApp, &QApplication::focusChanged, this, [this] { ShowDefaultOnFocus(); });
}

CDialogWindow::~CDialogWindow() = default;

void CDialogWindow::PrepareFrame() {
    // A dialog is a transient window of its owner; the main window is nobody's.
    const Qt::WindowFlags type = parentWidget() ? Qt::Dialog : Qt::Window;
    Qt::WindowFlags flags = type | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                            Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint |
                            Qt::MSWindowsFixedSizeDialogHint;
    if (m_dialog.GetTemplate().style & DialogMinimizeBox) {
        flags |= Qt::WindowMinimizeButtonHint;
    }
    setWindowFlags(flags);
    const CDialogTemplate& layout = m_dialog.GetTemplate();
    setFixedSize(m_units.ToPixels(0, 0, layout.cx, layout.cy).size());
}

void CDialogWindow::ShowDefaultOnFocus() {
    const std::vector<CWnd*> controls = m_dialog.GetControls();
    const auto& layout = m_dialog.GetTemplate().controls;
    auto* pFocused = qobject_cast<QPushButton*>(focusWidget());
    QPushButton* pShown = pFocused && pFocused->window() == this ? pFocused : nullptr;
    for (std::size_t i = 0; i < controls.size() && !pShown; ++i) {
        if (layout[i].style & StyleDefaultButton) {
            pShown = qobject_cast<QPushButton*>(Widget(*controls[i]));
        }
    }
    for (CWnd* pControl : controls) {
        if (auto* pButton = qobject_cast<QPushButton*>(Widget(*pControl));
            pButton && pButton != pShown) {
            pButton->setDefault(false);
        }
    }
    if (pShown) {
        pShown->setDefault(true);
    }
}

void CDialogWindow::RunMainLoop() {
    // The program's main window is an ordinary window with a task-bar entry of its
    // own: QDialog::exec() would announce it to the window manager as a modal
    // dialog, so it runs in a plain loop that Leave ends.
    setWindowModality(Qt::NonModal);
    QEventLoop loop;
    m_pMainLoop = &loop;
    show();
    // A modal window asks for the keyboard when it is mapped; an ordinary one does
    // not, and without a window manager nothing else would give it the input focus:
    // no control would have the focus the dialog set.
    raise();
    activateWindow();
    if (!m_dialog.IsEnded()) {
        loop.exec(QEventLoop::DialogExec);
    }
    m_pMainLoop = nullptr;
}

void CDialogWindow::Leave(int nResult) {
    QDialog::done(nResult);
    if (m_pMainLoop) {
        m_pMainLoop->exit(nResult);
    }
}

void CDialogWindow::keyPressEvent(QKeyEvent* pEvent) {
    const Qt::KeyboardModifiers held =
        pEvent->modifiers() & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier);
    if (held != Qt::NoModifier) {
        QDialog::keyPressEvent(pEvent);
        return;
    }
    switch (pEvent->key()) {
        case Qt::Key_Escape:
            pEvent->accept();
            m_dialog.OnEscapeKey();
            return;
        case Qt::Key_F1:
            pEvent->accept();
            m_dialog.OnHelpKey();
            return;
        case Qt::Key_Return:
        case Qt::Key_Enter:
            pEvent->accept();
            m_dialog.OnEnterKey();
            return;
        default:
            QDialog::keyPressEvent(pEvent);
    }
}

void CDialogWindow::closeEvent(QCloseEvent* pEvent) {
    // Ending the dialog hides it; only a close request of the user arrives here.
    pEvent->ignore();
    m_dialog.OnClose();
}

void CDialogWindow::reject() {
    m_dialog.OnCancel();
}

void CDialogWindow::accept() {
    m_dialog.OnOK();
}

}  // namespace framework
