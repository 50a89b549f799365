// The Qt backend's half of a dialog: its window, the first focus, modal and main
// runs, placement on screen, title, icon and posted commands.
#include <QAbstractEventDispatcher>
#include <QApplication>
#include <QDeadlineTimer>
#include <QScreen>
#include <QTimer>
#include <QWindow>

#include "framework/Dialog.h"
#include "framework/qt/DialogWindow.h"
#include "framework/qt/Placement.h"
#include "framework/qt/QtIcon.h"
#include "framework/qt/QtWidget.h"
#include "framework/qt/WindowCaption.h"

namespace framework {

namespace {

// How long UpdateWindow waits for the window system to show a new window. A window
// that starts minimized is never exposed; the work must not wait for it.
constexpr int kExposeWaitMs = 2000;

QWidget* WindowOf(const CDialog* pDialog) {
    return pDialog ? &pDialog->GetWindow() : nullptr;
}

}  // namespace

CDialogWindow& DialogWindow(CDialog& dialog) {
    return dialog.GetWindow();
}

CDialog::CDialog(const CDialogTemplate& dialogTemplate, CDialog* pParent)
    : m_template(dialogTemplate),
      m_pParent(pParent),
      m_pWindow(std::make_unique<CDialogWindow>(*this, WindowOf(pParent))) {
    SetWindowText(LayoutCaption(dialogTemplate, dialogTemplate.nCaptionId));
}

CDialog::~CDialog() {
    // Deleting the controls moves the focus, and the default-button look must not be
    // worked out on a dialog that is half gone.
    QObject::disconnect(qApp, nullptr, m_pWindow.get(), nullptr);
    m_controls.clear();
}

bool CDialog::CreateWindowAndInitialize() {
    if (m_pWindow->parentWidget() == nullptr) {
        if (QWidget* pOwner = WindowOf(GetOwner())) {
            m_pWindow->setParent(pOwner);
        }
    }
    m_pWindow->PrepareFrame();
    const bool bDefaultFocus = InitializeWindow();
    if (bDefaultFocus) {
        for (std::size_t i = 0; i < m_controls.size(); ++i) {
            if (TakesFocus(m_template.controls[i]) && m_controls[i]->IsWindowEnabled() &&
                m_controls[i]->IsWindowVisible()) {
                Widget(*m_controls[i])->setFocus(Qt::OtherFocusReason);
                break;
            }
        }
    }
    m_pWindow->ShowDefaultOnFocus();
    return bDefaultFocus;
}

int CDialog::RunModalLoop() {
    CreateAndInitialize();
    if (m_bEnded) {
        return m_nModalResult;
    }
    if (IsMainWindow()) {
        m_pWindow->RunMainLoop();
        return m_nModalResult;
    }
    // Modal to its owner only, so that a modeless window such as the help stays
    // usable while a dialog is open.
    m_pWindow->setWindowModality(Qt::WindowModal);
    m_pWindow->exec();
    return m_nModalResult;
}

void CDialog::EndDialog(int nResult) {
    m_bEnded = true;
    m_nModalResult = nResult;
    m_pWindow->Leave(nResult);
}

void CDialog::ShowWindow() {
    m_pWindow->show();
}

bool CDialog::IsWindowVisible() const {
    return m_pWindow->isVisible();
}

void CDialog::UpdateWindow() {
    if (!m_pWindow->isVisible()) {
        return;
    }
    // A window just shown is exposed by the window system a moment later, and until
    // then nothing painted reaches the screen. Pending events are taken (the exposure
    // among them, which paints), user input is left queued for later.
    QWindow* pWindow = m_pWindow->windowHandle();
    if (pWindow && !pWindow->isExposed()) {
        const QDeadlineTimer deadline(kExposeWaitMs);
        QTimer alarm;  // wakes the wait below when the deadline passes
        alarm.setSingleShot(true);
        alarm.start(kExposeWaitMs);
        do {
            QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents |
                                            QEventLoop::WaitForMoreEvents);
        } while (m_pWindow->isVisible() && !pWindow->isExposed() && !deadline.hasExpired());
        // The input set aside above waits where the event loop only looks when woken.
        if (QAbstractEventDispatcher* pDispatcher = QAbstractEventDispatcher::instance()) {
            pDispatcher->wakeUp();
        }
    }
    m_pWindow->repaint();
}

void CDialog::CenterWindow() {
    QWidget* pOwner = WindowOf(GetOwner());
    // The owner's screen, so that a dialog of a window on a second monitor opens
    // there and not on the first.
    QScreen* pScreen = pOwner ? pOwner->screen() : m_pWindow->screen();
    if (pScreen == nullptr) {
        pScreen = QGuiApplication::primaryScreen();
    }
    const QSize size = m_pWindow->size();
    const QRect workArea = pScreen ? pScreen->availableGeometry() : QRect(QPoint(0, 0), size);
    const bool bOnOwner = pOwner && pOwner->isVisible() && !pOwner->isMinimized();
    m_pWindow->move(CenteredTopLeft(bOnOwner ? pOwner->frameGeometry() : workArea, workArea, size));
}

void CDialog::PlaceAtOwnerOrigin() {
    if (QWidget* pOwner = WindowOf(GetOwner())) {
        m_pWindow->move(pOwner->mapToGlobal(QPoint(0, 0)));
    }
}

void CDialog::GotoDlgCtrl(CWnd* pControl) {
    if (pControl) {
        Widget(*pControl)->setFocus(Qt::TabFocusReason);
    }
}

void CDialog::PostCommand(int nId) {
    QMetaObject::invokeMethod(
        m_pWindow.get(), [this, nId] { OnCommand(nId, CommandCode::Posted); },
        Qt::QueuedConnection);
}

void CDialog::SetIcon(const CIcon& icon, bool) {
    m_pWindow->setWindowIcon(ToQIcon(icon));
}

void CDialog::SetClassIcon(const CIcon& icon) {
    QApplication::setWindowIcon(ToQIcon(icon));
}

void CDialog::SetWindowText(const std::string& text) {
    SetWindowCaption(*m_pWindow, text);
}

std::string CDialog::GetWindowText() const {
    return WindowCaption(*m_pWindow);
}

}  // namespace framework
