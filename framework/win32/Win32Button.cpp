#include "framework/Button.h"
#include "framework/win32/Win32Control.h"

namespace framework {

// The dialog manager made the button; its clicks reach the dialog as commands.
void CButton::Create(CDialog& dialog, const CControlTemplate&, const std::string&) {
    Attach(win32::NextControlWindow(dialog));
}

}  // namespace framework
