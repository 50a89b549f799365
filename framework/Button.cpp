#include "framework/Button.h"

namespace framework {

CButton::CButton(QWidget* pParent) : QPushButton(pParent) {}

void CButton::SetWindowText(const std::string& text) {
    setText(QString::fromStdString(text));
}

std::string CButton::GetWindowText() const {
    return text().toStdString();
}

}  // namespace framework
