// The Win32 backend's half of every control: its window's state, focus, texts and
// the name assistive technology announces.
#include "framework/win32/SystemHeaders.h"
// After <windows.h>, whose types they use.
#include <initguid.h>
#include <oleacc.h>

#include "framework/Wnd.h"
#include "framework/win32/Win32Control.h"
#include "platform/win32/WideString.h"

namespace framework {

using win32::Hwnd;

namespace {

// Sets an accessibility property of the control's own client object; the system's
// accessibility layer answers with it in place of what it would work out itself.
void SetAccessibleText(HWND hWnd, const MSAAPROPID& property, const std::string& text) {
    IAccPropServices* pServices = nullptr;
    if (FAILED(::CoCreateInstance(CLSID_AccPropServices, nullptr, CLSCTX_INPROC_SERVER,
                                  IID_IAccPropServices, reinterpret_cast<void**>(&pServices)))) {
        return;
    }
    const std::wstring value = platform::win32::Wide(text);
    pServices->SetHwndPropStr(hWnd, static_cast<DWORD>(OBJID_CLIENT), CHILDID_SELF, property,
                              value.c_str());
    pServices->Release();
}

}  // namespace

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
    SetAccessibleText(Hwnd(*this), PROPID_ACC_NAME, name);
}

void CWnd::SetAccessibleDescription(const std::string& description) {
    SetAccessibleText(Hwnd(*this), PROPID_ACC_DESCRIPTION, description);
}

void CWnd::SetWindowText(const std::string& text) {
    win32::SetWindowTextUtf8(Hwnd(*this), text);
}

std::string CWnd::GetWindowText() const {
    return win32::WindowText(Hwnd(*this));
}

}  // namespace framework
