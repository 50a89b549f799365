#pragma once

#include <QWidget>

#include "framework/DialogTemplate.h"
#include "framework/Wnd.h"

namespace framework {

class CDialog;
class CDialogWindow;

// The widget a control is made of.
inline QWidget* Widget(const CWnd& control) {
    return static_cast<QWidget*>(control.GetNativeWindow());
}

template <class TWidget>
TWidget* WidgetAs(const CWnd& control) {
    return static_cast<TWidget*>(Widget(control));
}

// The dialog's window, which a control's widget is made a child of.
CDialogWindow& DialogWindow(CDialog& dialog);

// Puts `pWidget`, made for `control`, where the layout places it in dialog units,
// with the focus policy, enabled state and visibility the layout gives it.
void PlaceControl(QWidget* pWidget, const CDialogWindow& window, const CControlTemplate& control);

}  // namespace framework
