#include "framework/Static.h"
#include "framework/win32/AccessibleText.h"
#include "framework/win32/WindowIcons.h"
#include "framework/win32/Win32Control.h"

namespace framework {

using win32::Hwnd;

// The dialog manager made the label in the style its layout gives: one that stays on
// its line, one that wraps, or one that also breaks overlong words and shows "&".
void CStatic::Create(CDialog& dialog, const CControlTemplate& control, const std::string&) {
    Attach(win32::NextControlWindow(dialog));
    m_bWordBreak = (control.style & StyleWordWrap) != 0;
}

void CStatic::OnTextOrTargetChanged(CWnd*) {
    // The dialog manager moves the focus on a label's mnemonic itself, to the next
    // control that takes it. The system's accessibility layer names a label after its
    // text with the first "&" taken for a mnemonic; a label that shows "&" as written
    // is named with its text as it is.
    if (m_bWordBreak) {
        win32::SetAccessibleText(Hwnd(*this), win32::AccessibleProperty::Name, GetWindowText());
    }
}

void CStatic::SetWordBreak(bool bWordBreak) {
    m_bWordBreak = bWordBreak;
    const HWND hWnd = Hwnd(*this);
    LONG_PTR style = ::GetWindowLongPtrW(hWnd, GWL_STYLE) & ~static_cast<LONG_PTR>(SS_TYPEMASK);
    style &= ~static_cast<LONG_PTR>(SS_EDITCONTROL | SS_NOPREFIX);
    style |= bWordBreak ? (SS_LEFT | SS_EDITCONTROL | SS_NOPREFIX) : SS_LEFT;
    ::SetWindowLongPtrW(hWnd, GWL_STYLE, style);
    ::InvalidateRect(hWnd, nullptr, TRUE);
    UpdateTarget();
}

void CStatic::SetIcon(const CIcon& icon) {
    m_bIcon = true;
    const HWND hWnd = Hwnd(*this);
    const LONG_PTR style = ::GetWindowLongPtrW(hWnd, GWL_STYLE) & ~static_cast<LONG_PTR>(SS_TYPEMASK);
    ::SetWindowLongPtrW(hWnd, GWL_STYLE, style | SS_ICON | SS_CENTERIMAGE);
    ::SendMessageW(hWnd, STM_SETICON,
                   reinterpret_cast<WPARAM>(
                       win32::LoadIconPicture(icon, ::GetSystemMetrics(SM_CXICON))),
                   0);
    UpdateTarget();
}

}  // namespace framework
