#pragma once

#include <QPushButton>
#include <string>

#include "framework/Wnd.h"

namespace framework {

// A push button; "&" in its caption marks the mnemonic that clicks it. Enter is
// left to its dialog, which decides which button it presses (or that it presses
// none, as in a dialog that ignores Enter).
class CButton : public CWnd<QPushButton> {
public:
    explicit CButton(QWidget* pParent);

    void SetWindowText(const std::string& text);
    std::string GetWindowText() const;

protected:
    void keyPressEvent(QKeyEvent* pEvent) override;
};

}  // namespace framework
