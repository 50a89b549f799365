#pragma once

#include <QString>
#include <string>

namespace framework {

// What the program asks of every control, whatever its kind: whether it takes input,
// whether it shows, the focus and the name assistive technology announces. Each
// control class puts these over the widget it is made of.
template <class TWidget>
class CWnd : public TWidget {
public:
    using TWidget::TWidget;

    void EnableWindow(bool bEnable) { this->setEnabled(bEnable); }
    bool IsWindowEnabled() const { return this->isEnabled(); }
    // Shows or hides the control; it is on screen while its dialog is.
    void ShowWindow(bool bShow) { this->setVisible(bShow); }
    bool IsWindowVisible() const { return !this->isHidden(); }
    void SetFocus() { this->setFocus(); }
    void SetAccessibleName(const std::string& name) {
        this->setAccessibleName(QString::fromStdString(name));
    }
    // What a screen reader adds after the name when asked for more.
    void SetAccessibleDescription(const std::string& description) {
        this->setAccessibleDescription(QString::fromStdString(description));
    }
};

}  // namespace framework
