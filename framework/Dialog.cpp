#include "framework/Dialog.h"

#include <algorithm>

#include <QApplication>
#include <QCloseEvent>
#include <QDeadlineTimer>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QProgressBar>
#include <QScreen>
#include <QTimer>
#include <QWindow>

#include "framework/Button.h"
#include "framework/ComboBox.h"
#include "framework/DataExchange.h"
#include "framework/DialogUserInterface.h"
#include "framework/Edit.h"
#include "framework/GroupBox.h"
#include "framework/ListBox.h"
#include "framework/Placement.h"
#include "framework/Static.h"
#include "framework/WinApp.h"
#include "framework/WindowCaption.h"

namespace framework {

namespace {

QString Caption(const CDialogTemplate& dialogTemplate, int nCaptionId) {
    if (nCaptionId == 0 || dialogTemplate.pfnLoadString == nullptr) {
        return QString();
    }
    return QString::fromUtf8(dialogTemplate.pfnLoadString(nCaptionId));
}

// How long UpdateWindow waits for the window system to show a new window. A window
// that starts minimized is never exposed; the work must not wait for it.
constexpr int kExposeWaitMs = 2000;

bool TakesFocus(const CControlTemplate& control) {
    return (control.style & StyleTabStop) != 0 && control.kind != ControlKind::Label &&
           control.kind != ControlKind::GroupBox && control.kind != ControlKind::Icon;
}

}  // namespace

CDialog::CDialog(const CDialogTemplate& dialogTemplate, QWidget* pParent)
    : QDialog(pParent),
      m_template(dialogTemplate),
      m_units(CDialogUnits::DialogFont(dialogTemplate.pszFontFace, dialogTemplate.nPointSize)) {
    setFont(m_units.Font());
    SetWindowCaption(*this, Caption(dialogTemplate, dialogTemplate.nCaptionId).toStdString());
}

CDialog::~CDialog() = default;

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

bool CDialog::CreateAndInitialize() {
    if (m_bCreated) {
        return false;
    }
    m_bCreated = true;
    m_bEnded = false;
    m_nModalResult = -1;

    if (parentWidget() == nullptr) {
        if (QWidget* pOwner = GetOwner()) {
            setParent(pOwner);
        }
    }
    ApplyWindowFlags();
    const QRect client = m_units.ToPixels(0, 0, m_template.cx, m_template.cy);
    setFixedSize(client.size());

    QWidget* pPrevious = nullptr;
    for (const CControlTemplate& control : m_template.controls) {
        QWidget* pWidget = CreateControl(control);
        m_controls.push_back(pWidget);
        if (TakesFocus(control)) {
            if (pPrevious) {
                setTabOrder(pPrevious, pWidget);
            }
            pPrevious = pWidget;
        }
    }
    // A label's or group box's mnemonic leads to the next control that takes focus.
    for (std::size_t i = 0; i < m_controls.size(); ++i) {
        QWidget* pBuddy = nullptr;
        for (std::size_t j = i + 1; j < m_controls.size() && !pBuddy; ++j) {
            if (TakesFocus(m_template.controls[j])) {
                pBuddy = m_controls[j];
            }
        }
        if (auto* pLabel = dynamic_cast<CStatic*>(m_controls[i])) {
            pLabel->SetMnemonicTarget(pBuddy);
        } else if (auto* pGroup = dynamic_cast<CGroupBox*>(m_controls[i])) {
            pGroup->SetBuddy(pBuddy);
            NameAfterCaption(pBuddy, pGroup->title());
        }
    }

    UpdateData(false);
    const bool bDefaultFocus = OnInitDialog();
    if (bDefaultFocus) {
        for (std::size_t i = 0; i < m_controls.size(); ++i) {
            QWidget* pWidget = m_controls[i];
            if (TakesFocus(m_template.controls[i]) && pWidget->isEnabled() &&
                !pWidget->isHidden()) {
                pWidget->setFocus(Qt::OtherFocusReason);
                break;
            }
        }
    }
    return bDefaultFocus;
}

void CDialog::ApplyWindowFlags() {
    // A dialog is a transient window of its owner; the main window is nobody's.
    const Qt::WindowFlags type = parentWidget() ? Qt::Dialog : Qt::Window;
    Qt::WindowFlags flags = type | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                            Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint |
                            Qt::MSWindowsFixedSizeDialogHint;
    if (m_template.style & DialogMinimizeBox) {
        flags |= Qt::WindowMinimizeButtonHint;
    }
    setWindowFlags(flags);
}

QWidget* CDialog::CreateControl(const CControlTemplate& control) {
    const QString caption = Caption(m_template, control.nCaptionId);
    QWidget* pWidget = nullptr;
    switch (control.kind) {
        case ControlKind::Label: {
            auto* pLabel = new CStatic(this);
            pLabel->setText(caption);
            // A label laid out one line high keeps its text on that line: wrapped, the
            // end would go to a second line that the label has no room to show.
            const QFontMetrics metrics(m_units.Font());
            pLabel->setWordWrap(m_units.ToPixelsY(control.cy) >= 2 * metrics.lineSpacing());
            if (control.style & StyleWordWrap) {
                pLabel->SetWordBreak(true);
            }
            pWidget = pLabel;
            break;
        }
        case ControlKind::Icon:
            pWidget = new CStatic(this);
            break;
        case ControlKind::GroupBox: {
            auto* pGroup = new CGroupBox(this);
            pGroup->setTitle(caption);
            pWidget = pGroup;
            break;
        }
        case ControlKind::PushButton: {
            auto* pButton = new CButton(this);
            pButton->setText(caption);
            pButton->setDefault((control.style & StyleDefaultButton) != 0);
            const int nId = control.nId;
            connect(pButton, &QPushButton::clicked, this,
                    [this, nId] { OnCommand(nId, CommandCode::Clicked); });
            pWidget = pButton;
            break;
        }
        case ControlKind::Edit: {
            auto* pEdit = new CEdit(this);
            pEdit->SetUpperCase((control.style & StyleUpperCase) != 0);
            pEdit->setText(caption);
            pEdit->setFrame((control.style & StyleBorder) != 0);
            const int nId = control.nId;
            connect(pEdit, &QLineEdit::textChanged, this,
                    [this, nId] { OnCommand(nId, CommandCode::Changed); });
            pEdit->m_fnOnSetFocus = [this, nId] { OnCommand(nId, CommandCode::SetFocus); };
            pWidget = pEdit;
            break;
        }
        case ControlKind::ListBox: {
            auto* pList = new CListBox(this);
            pList->SetSorted((control.style & StyleSorted) != 0);
            pList->SetMultiColumn((control.style & StyleMultiColumn) != 0);
            pList->setHorizontalScrollBarPolicy(
                (control.style & StyleHScroll) ? Qt::ScrollBarAsNeeded : Qt::ScrollBarAlwaysOff);
            if (!(control.style & StyleBorder)) {
                pList->setFrameShape(QFrame::NoFrame);
            }
            pWidget = pList;
            break;
        }
        case ControlKind::ComboBox: {
            CComboBox* pCombo = CreateComboBox(control);
            pCombo->SetDroppedHeight(m_units.ToPixelsY(control.cy));
            pWidget = pCombo;
            break;
        }
        case ControlKind::ProgressBar: {
            auto* pBar = new QProgressBar(this);
            pBar->setRange(0, 100);
            pBar->setValue(0);
            pBar->setTextVisible(false);
            pWidget = pBar;
            break;
        }
    }
    QRect geometry = m_units.ToPixels(control.x, control.y, control.cx, control.cy);
    if (control.kind == ControlKind::ComboBox) {
        // The layout's height is the opened list's; the control itself is one line.
        geometry.setHeight(std::min(geometry.height(), pWidget->sizeHint().height()));
    }
    pWidget->setGeometry(geometry);
    pWidget->setFocusPolicy(TakesFocus(control) ? Qt::StrongFocus : Qt::NoFocus);
    pWidget->setEnabled((control.style & StyleDisabled) == 0);
    if (control.style & StyleHidden) {
        pWidget->hide();
    }
    return pWidget;
}

CComboBox* CDialog::CreateComboBox(const CControlTemplate&) {
    return new CComboBox(this);
}

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
    }
    repaint();
}

void CDialog::CenterWindow() {
    QWidget* pOwner = GetOwner();
    // The owner's screen, so that a dialog of a window on a second monitor opens
    // there and not on the first.
    QScreen* pScreen = pOwner ? pOwner->screen() : screen();
    if (pScreen == nullptr) {
        pScreen = QGuiApplication::primaryScreen();
    }
    const QRect workArea = pScreen ? pScreen->availableGeometry() : QRect(QPoint(0, 0), size());
    const bool bOnOwner = pOwner && pOwner->isVisible() && !pOwner->isMinimized();
    move(CenteredTopLeft(bOnOwner ? pOwner->frameGeometry() : workArea, workArea, size()));
}

void CDialog::PlaceAtOwnerOrigin() {
    if (QWidget* pOwner = GetOwner()) {
        move(pOwner->mapToGlobal(QPoint(0, 0)));
    }
}

void CDialog::SetClassIcon(const QIcon& icon) {
    QApplication::setWindowIcon(icon);
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

void CDialog::SetIcon(const QIcon& icon, bool) {
    setWindowIcon(icon);
}

bool CDialog::UpdateData(bool bSaveAndValidate) {
    CDataExchange dx(*this, bSaveAndValidate);
    DoDataExchange(dx);
    return !dx.Failed();
}

void CDialog::EndDialog(int nResult) {
    m_bEnded = true;
    m_nModalResult = nResult;
    QDialog::done(nResult);
    if (m_pMainLoop) {
        m_pMainLoop->exit(nResult);
    }
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

void CDialog::keyPressEvent(QKeyEvent* pEvent) {
    const Qt::KeyboardModifiers held =
        pEvent->modifiers() & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier);
    if (pEvent->key() == Qt::Key_Escape && held == Qt::NoModifier) {
        pEvent->accept();
        OnCancel();
        return;
    }
    if (pEvent->key() == Qt::Key_F1 && held == Qt::NoModifier) {
        pEvent->accept();
        if (CWinApp* pApp = CWinApp::GetApp()) {
            pApp->OnHelp();
        }
        return;
    }
    QDialog::keyPressEvent(pEvent);
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
