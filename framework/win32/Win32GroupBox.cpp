#include "framework/GroupBox.h"
#include "framework/Static.h"
#include "framework/win32/Win32Control.h"

namespace framework {

void CGroupBox::Create(CDialog& dialog, const CControlTemplate&, const std::string&) {
    Attach(win32::NextControlWindow(dialog));
}

void CGroupBox::SetBuddy(CWnd* pBuddy) {
    // The dialog manager moves the focus on the mnemonic itself, to the next control
    // that takes it; what remains is the name.
    NameAfterCaption(pBuddy, GetWindowText());
}

}  // namespace framework
