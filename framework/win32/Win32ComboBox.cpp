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
    const LRESULT length = ::SendMessageW(Hwnd(*this), CB_GETLBTEXTLEN, nIndex, 0);
    if (nIndex < 0 || length == CB_ERR) {
        return std::string();
    }
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    ::SendMessageW(Hwnd(*this), CB_GETLBTEXT, nIndex, reinterpret_cast<LPARAM>(text.data()));
    text.resize(static_cast<std::size_t>(length));
    return platform::win32::Narrow(text);
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
