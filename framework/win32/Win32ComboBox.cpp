#include "framework/ComboBox.h"
#include "framework/win32/Win32Control.h"
#include "platform/win32/WideString.h"

namespace framework {

using win32::Hwnd;

// The dialog manager made the list from the layout, whose height is the opened list's.
void CComboBox::Create(CDialog& dialog, const CControlTemplate&, const std::string&) {
    Attach(win32::NextControlWindow(dialog));
}

int CComboBox::AddString(const std::string& text) {
    const std::wstring value = platform::win32::Wide(text);
    return static_cast<int>(
        ::SendMessageW(Hwnd(*this), CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(value.c_str())));
}

void CComboBox::ResetContent() {
    ::SendMessageW(Hwnd(*this), CB_RESETCONTENT, 0, 0);
}

int CComboBox::GetCount() const {
    return static_cast<int>(::SendMessageW(Hwnd(*this), CB_GETCOUNT, 0, 0));
}

std::string CComboBox::GetLBText(int nIndex) const {
    return win32::EntryText(Hwnd(*this), CB_GETLBTEXTLEN, CB_GETLBTEXT, nIndex);
}

int CComboBox::SetCurSel(int nIndex) {
    const bool bInside = nIndex >= 0 && nIndex < GetCount();
    ::SendMessageW(Hwnd(*this), CB_SETCURSEL, bInside ? nIndex : -1, 0);
    return bInside ? nIndex : -1;
}

int CComboBox::GetCurSel() const {
    return static_cast<int>(::SendMessageW(Hwnd(*this), CB_GETCURSEL, 0, 0));
}

std::string CComboBox::GetWindowText() const {
    return GetLBText(GetCurSel());
}

}  // namespace framework
