// Running a dialog: modally through the user-interface hook, the main window in a
// loop of its own, and ending either.
#include <QAbstractEventDispatcher>
#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QTimer>
#include <QWindow>

#include "framework/Dialog.h"
#include "framework/DialogUserInterface.h"

namespace framework {

namespace {

// How long UpdateWindow waits for the window system to show a new window. A window
// that starts minimized is never exposed; the work must not wait for it.
constexpr int kExposeWaitMs = 2000;

}  // namespace

int CDialog::DoModal() {
    if (CDialogUserInterface* pHook = DialogUserInterface()) {
        return pHook->RunModalDialog(*this);
    }
    return RunModalLoop();
}

int CDialog::RunModalLoop() {
    CreateAndInitialize();
    if (m_bEnded) {
        return m_nModalResult;
    }
    if (IsMainWindow()) {
        // The program's main window is an ordinary window with a task-bar entry of
        // its own: QDialog::exec() would announce it to the window manager as a
        // modal dialog, so it runs in a plain loop that EndDialog leaves.
        setWindowModality(Qt::NonModal);
        QEventLoop loop;
        m_pMainLoop = &loop;
        show();
        // A modal window asks for the keyboard when it is mapped; an ordinary one
        // does not, and without a window manager nothing else would give it the
        // input focus: no control would have the focus the dialog set.
        raise();
        activateWindow();
        if (!m_bEnded) {
            loop.exec(QEventLoop::DialogExec);
        }
        m_pMainLoop = nullptr;
        return m_nModalResult;
    }
    // Modal to its owner only, so that a modeless window such as the help stays
    // usable while a dialog is open.
    setWindowModality(Qt::WindowModal);
    exec();
    return m_nModalResult;
}

void CDialog::EndDialog(int nResult) {
    m_bEnded = true;
    m_nModalResult = nResult;
    QDialog::done(nResult);
    if (m_pMainLoop) {
        m_pMainLoop->exit(nResult);
    }
}

void CDialog::UpdateWindow() {
    if (!isVisible()) {
        return;
    }
    // A window just shown is exposed by the window system a moment later, and until
    // then nothing painted reaches the screen. Pending events are taken (the exposure
    // among them, which paints), user input is left queued for later.
    QWindow* pWindow = window()->windowHandle();
    if (pWindow && !pWindow->isExposed()) {
        const QDeadlineTimer deadline(kExposeWaitMs);
        QTimer alarm;  // wakes the wait below when the deadline passes
        alarm.setSingleShot(true);
        alarm.start(kExposeWaitMs);
        do {
            QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents |
                                            QEventLoop::WaitForMoreEvents);
        } while (isVisible() && !pWindow->isExposed() && !deadline.hasExpired());
        // The input set aside above waits where the event loop only looks when woken.
        if (QAbstractEventDispatcher* pDispatcher = QAbstractEventDispatcher::instance()) {
            pDispatcher->wakeUp();
        }
    }
    repaint();
}

}  // namespace framework
