#include "framework/ListBox.h"
#include "framework/win32/Win32Control.h"
#include "platform/win32/WideString.h"

namespace framework {

using win32::Hwnd;

int CompareListEntries(const std::string& a, const std::string& b) {
    const std::wstring left = platform::win32::Wide(a);
    const std::wstring right = platform::win32::Wide(b);
    // Code unit by code unit after case folding, whatever the user's locale.
    const int order =
        ::CompareStringOrdinal(left.c_str(), static_cast<int>(left.size()), right.c_str(),
                               static_cast<int>(right.size()), TRUE);
    return order == CSTR_LESS_THAN ? -1 : order == CSTR_GREATER_THAN ? 1 : 0;
}

// The list sorts itself (InsertionIndex): the system's sorted insert would go by the
// user's locale, and put an entry before the equal ones already there.
void CListBox::Create(CDialog& dialog, const CControlTemplate& control, const std::string&) {
    Attach(win32::NextControlWindow(dialog));
    m_bSorted = (control.style & StyleSorted) != 0;
}

void CListBox::InsertString(int nIndex, const std::string& text) {
    const std::wstring value = platform::win32::Wide(text);
    ::SendMessageW(Hwnd(*this), LB_INSERTSTRING, static_cast<WPARAM>(nIndex),
                   reinterpret_cast<LPARAM>(value.c_str()));
}

void CListBox::ResetContent() {
    ::SendMessageW(Hwnd(*this), LB_RESETCONTENT, 0, 0);
}

int CListBox::GetCount() const {
    return static_cast<int>(::SendMessageW(Hwnd(*this), LB_GETCOUNT, 0, 0));
}

std::string CListBox::GetText(int nIndex) const {
    return win32::EntryText(Hwnd(*this), LB_GETTEXTLEN, LB_GETTEXT, nIndex);
}

}  // namespace framework
