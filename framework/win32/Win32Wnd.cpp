// The Win32 backend's half of every control: its window's state, focus, texts and
// the name assistive technology announces.
#include "framework/win32/SystemHeaders.h"

#include "framework/Wnd.h"
#include "framework/win32/AccessibleText.h"
#include "framework/win32/Win32Control.h"

namespace framework {

using win32::Hwnd;

// The dialog's window destroys the controls' windows with itself.
CWnd::~CWnd() = default;

void CWnd::EnableWindow(bool bEnable) {
    ::EnableWindow(Hwnd(*this), bEnable ? TRUE : FALSE);
}

bool CWnd::IsWindowEnabled() const {
    return ::IsWindowEnabled(Hwnd(*this)) != FALSE;
}

void CWnd::ShowWindow(bool bShow) {
    ::ShowWindow(Hwnd(*this), bShow ? SW_SHOWNA : SW_HIDE);
}

bool CWnd::IsWindowVisible() const {
    // The control's own state, whether or not its dialog is on screen.
    return (::GetWindowLongPtrW(Hwnd(*this), GWL_STYLE) & WS_VISIBLE) != 0;
}

void CWnd::SetFocus() {
    ::SetFocus(Hwnd(*this));
}

bool CWnd::HasFocus() const {
    return ::GetFocus() == Hwnd(*this);
}

void CWnd::SetAccessibleName(const std::string& name) {
    win32::SetAccessibleText(Hwnd(*this), win32::AccessibleProperty::Name, name);
}

void CWnd::SetAccessibleDescription(const std::string& description) {
    win32::SetAccessibleText(Hwnd(*this), win32::AccessibleProperty::Description, description);
}

void CWnd::SetWindowText(const std::string& text) {
    win32::SetWindowTextUtf8(Hwnd(*this), text);
}

std::string CWnd::GetWindowText() const {
    return win32::WindowText(Hwnd(*this));
}

}  // namespace framework
