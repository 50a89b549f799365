#pragma once

#include <QPushButton>
#include <string>

namespace framework {

// A push button; "&" in its caption marks the mnemonic that clicks it.
class CButton : public QPushButton {
public:
    explicit CButton(QWidget* pParent);

    void SetWindowText(const std::string& text);
    std::string GetWindowText() const;
};

}  // namespace framework
