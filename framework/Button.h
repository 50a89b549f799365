#pragma once

#include "framework/Wnd.h"

namespace framework {

// A push button; "&" in its caption marks the mnemonic that clicks it. Enter is
// left to its dialog, which decides which button it presses (or that it presses
// none, as in a dialog that ignores Enter). A click is the dialog's command.
class CButton : public CWnd {
public:
    CButton() = default;

    void Create(CDialog& dialog, const CControlTemplate& control,
                const std::string& caption) override;
};

}  // namespace framework
