// Building a dialog from its layout: the window, its controls in tab order, the
// mnemonics that lead from labels to controls, and the first focus.
#include <algorithm>

#include <QApplication>
#include <QFontMetrics>
#include <QProgressBar>

#include "framework/Button.h"
#include "framework/ComboBox.h"
#include "framework/Dialog.h"
#include "framework/Edit.h"
#include "framework/GroupBox.h"
#include "framework/ListBox.h"
#include "framework/Static.h"
#include "framework/WindowCaption.h"

namespace framework {

namespace {

QString Caption(const CDialogTemplate& dialogTemplate, int nCaptionId) {
    if (nCaptionId == 0 || dialogTemplate.pfnLoadString == nullptr) {
        return QString();
    }
    return QString::fromUtf8(dialogTemplate.pfnLoadString(nCaptionId));
}

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
            // Qt's automatic default follows focus events, which an inactive window
            // does not get: it could leave Enter with a button that is disabled
            // since. The dialog picks Enter's button itself (EnterTarget).
            pButton->setAutoDefault(false);
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

}  // namespace framework
