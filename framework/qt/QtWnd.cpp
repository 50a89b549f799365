// The Qt backend's half of every control: its widget's state, focus, accessible
// names and texts, and its place in the dialog.
#include <QAbstractButton>
#include <QGroupBox>
#include <QLabel>

#include "framework/Wnd.h"
#include "framework/qt/DialogWindow.h"
#include "framework/qt/QtWidget.h"

namespace framework {

CWnd::~CWnd() {
    delete Widget(*this);
}

void CWnd::EnableWindow(bool bEnable) {
    Widget(*this)->setEnabled(bEnable);
}

bool CWnd::IsWindowEnabled() const {
    return Widget(*this)->isEnabled();
}

void CWnd::ShowWindow(bool bShow) {
    Widget(*this)->setVisible(bShow);
}

bool CWnd::IsWindowVisible() const {
    return !Widget(*this)->isHidden();
}

void CWnd::SetFocus() {
    Widget(*this)->setFocus();
}

bool CWnd::HasFocus() const {
    // The focus within its own window, active or not: the window's focus widget.
    QWidget* pWidget = Widget(*this);
    return pWidget->window()->focusWidget() == pWidget;
}

void CWnd::SetAccessibleName(const std::string& name) {
    Widget(*this)->setAccessibleName(QString::fromStdString(name));
}

void CWnd::SetAccessibleDescription(const std::string& description) {
    Widget(*this)->setAccessibleDescription(QString::fromStdString(description));
}

void CWnd::SetWindowText(const std::string& text) {
    QWidget* pWidget = Widget(*this);
    const QString value = QString::fromStdString(text);
    if (auto* pLabel = qobject_cast<QLabel*>(pWidget)) {
        pLabel->setText(value);
    } else if (auto* pButton = qobject_cast<QAbstractButton*>(pWidget)) {
        pButton->setText(value);
    } else if (auto* pGroup = qobject_cast<QGroupBox*>(pWidget)) {
        pGroup->setTitle(value);
    }
}

std::string CWnd::GetWindowText() const {
    QWidget* pWidget = Widget(*this);
    if (auto* pLabel = qobject_cast<QLabel*>(pWidget)) {
        return pLabel->text().toStdString();
    }
    if (auto* pButton = qobject_cast<QAbstractButton*>(pWidget)) {
        return pButton->text().toStdString();
    }
    if (auto* pGroup = qobject_cast<QGroupBox*>(pWidget)) {
        return pGroup->title().toStdString();
    }
    return std::string();
}

void PlaceControl(QWidget* pWidget, const CDialogWindow& window, const CControlTemplate& control) {
    QRect geometry = window.Units().ToPixels(control.x, control.y, control.cx, control.cy);
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
}

}  // namespace framework
