#pragma once

#include "framework/Wnd.h"

namespace framework {

// A frame with a caption. The controls it frames are the dialog's own children
// (layouts place everything absolutely), so the caption's mnemonic moves the focus
// to the control that follows the group box in tab order.
class CGroupBox : public CWnd {
public:
    CGroupBox() = default;

    void Create(CDialog& dialog, const CControlTemplate& control,
                const std::string& caption) override;

    // The control the caption's mnemonic leads to, which it also names.
    void SetBuddy(CWnd* pBuddy);
};

}  // namespace framework
