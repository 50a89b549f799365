// The controls of a dialog, made from their entries in the layout: the widget of
// each kind, its place in dialog units, focus policy, state and notifications.
#include <algorithm>

#include <QFontMetrics>

#include "framework/Button.h"
#include "framework/ComboBox.h"
#include "framework/Dialog.h"
#include "framework/Edit.h"
#include "framework/GroupBox.h"
#include "framework/ListBox.h"
#include "framework/ProgressCtrl.h"
#include "framework/Static.h"

namespace framework {

QWidget* CDialog::CreateControl(const CControlTemplate& control, const QString& caption) {
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
            pWidget = new CProgressCtrl(this);
            break;
        }
    }
    QRect geometry = m_units.ToPixels(control.x, control.y, control.cx, control.cy);
    if (control.kind == ControlKind::ComboBox) {
        // The layout's height is the opened list's; the control itself is one line.
        geometry.setHeight(std::min(geometry.height(), pWidget->sizeHint().height()));
    }
    if (control.kind == ControlKind::Label && static_cast<CStatic*>(pWidget)->wordWrap()) {
        // A layout's height need not hold whole lines (three take 24 vertical units, more
        // where the font spaces its lines wider than its height): a label that wraps
        // would cut the last line it reaches into through its descenders. It is given
        // every line of the dialog font that its height begins.
        const int lineSpacing = QFontMetrics(m_units.Font()).lineSpacing();
        const int lines = (geometry.height() + lineSpacing - 1) / lineSpacing;
        geometry.setHeight(lines * lineSpacing);
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
