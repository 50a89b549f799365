#pragma once

#include "framework/win32/SystemHeaders.h"

#include <string>

#include "framework/Dialog.h"
#include "framework/Wnd.h"
#include "framework/win32/DialogWindow.h"
#include "framework/win32/WindowText.h"

namespace framework::win32 {

// The window a control is.
inline HWND Hwnd(const CWnd& control) {
    return static_cast<HWND>(control.GetNativeWindow());
}

// The window the dialog manager made for the control being created in `dialog`.
inline HWND NextControlWindow(CDialog& dialog) {
    return static_cast<HWND>(dialog.GetWindow().TakeNextControlWindow());
}

}  // namespace framework::win32
