#include "framework/Button.h"

#include <QKeyEvent>

namespace framework {

CButton::CButton(QWidget* pParent) : CWnd(pParent) {}

void CButton::SetWindowText(const std::string& text) {
    setText(QString::fromStdString(text));
}

std::string CButton::GetWindowText() const {
    return text().toStdString();
}

void CButton::keyPressEvent(QKeyEvent* pEvent) {
    // A button that shows itself as the default would press itself on Enter.
    if (pEvent->key() == Qt::Key_Return || pEvent->key() == Qt::Key_Enter) {
        pEvent->ignore();
        return;
    }
    QPushButton::keyPressEvent(pEvent);
}

}  // namespace framework
