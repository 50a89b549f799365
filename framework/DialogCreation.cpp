// Building a dialog from its layout: the window, its controls in tab order, the
// mnemonics that lead from labels to controls, and the first focus. The controls
// themselves are made in DialogControls.cpp.
#include <QApplication>

#include "framework/Dialog.h"
#include "framework/GroupBox.h"
#include "framework/Static.h"
#include "framework/qt/WindowCaption.h"

namespace framework {

namespace {

QString Caption(const CDialogTemplate& dialogTemplate, int nCaptionId) {
    if (nCaptionId == 0 || dialogTemplate.pfnLoadString == nullptr) {
        return QString();
    }
    return QString::fromUtf8(dialogTemplate.pfnLoadString(nCaptionId));
}

}  // namespace

CDialog::CDialog(const CDialogTemplate& dialogTemplate, QWidget* pParent)
    : QDialog(pParent),
      m_template(dialogTemplate),
      m_units(CDialogUnits::DialogFont(dialogTemplate.pszFontFace, dialogTemplate.nPointSize)) {
    setFont(m_units.Font());
    SetWindowCaption(*this, Caption(dialogTemplate, dialogTemplate.nCaptionId).toStdString());
    // Only real focus changes arrive here; a change inside an inactive window does
    // not, which is why Enter asks EnterTarget and never trusts the look.
    connect(qApp, &QApplication::focusChanged, this, [this] { ShowDefaultOnFocus(); });
}

CDialog::~CDialog() {
    // Deleting the controls below moves the focus, and the look must not be
    // worked out on a dialog that is half gone.
    disconnect(qApp, nullptr, this, nullptr);
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
        QWidget* pWidget = CreateControl(control, Caption(m_template, control.nCaptionId));
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
    ShowDefaultOnFocus();
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

}  // namespace framework
