#include "framework/win32/SystemHeaders.h"
// After <windows.h>, whose types it uses.
#include <commctrl.h>

#include <algorithm>

#include "framework/ProgressCtrl.h"
#include "framework/win32/Win32Control.h"

namespace framework {

using win32::Hwnd;

void CProgressCtrl::Create(CDialog& dialog, const CControlTemplate&, const std::string&) {
    Attach(win32::NextControlWindow(dialog));
    SetRange(0, 100);
}

void CProgressCtrl::SetRange(int nLower, int nUpper) {
    ::SendMessageW(Hwnd(*this), PBM_SETRANGE32, static_cast<WPARAM>(nLower),
                   static_cast<LPARAM>(nUpper));
}

void CProgressCtrl::SetPos(int nPos) {
    PBRANGE range{};
    ::SendMessageW(Hwnd(*this), PBM_GETRANGE, FALSE, reinterpret_cast<LPARAM>(&range));
    ::SendMessageW(Hwnd(*this), PBM_SETPOS,
                   static_cast<WPARAM>(std::clamp(nPos, range.iLow, range.iHigh)), 0);
}

int CProgressCtrl::GetPos() const {
    return static_cast<int>(::SendMessageW(Hwnd(*this), PBM_GETPOS, 0, 0));
}

}  // namespace framework
