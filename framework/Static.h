#pragma once

#include <QIcon>
#include <QLabel>
#include <string>

namespace framework {

// A label, or a static icon. A label's "&" marks a mnemonic that moves the focus to
// the control after it in tab order; its text is never read as markup.
class CStatic : public QLabel {
public:
    explicit CStatic(QWidget* pParent);

    void SetWindowText(const std::string& text);
    std::string GetWindowText() const;

    // Shows `icon` at the platform's icon size instead of a text.
    void SetIcon(const QIcon& icon);

    // Breaks the text into lines at word boundaries, and a word too long for a line
    // (a path without blanks) wherever it must, so nothing runs past the box.
    void SetWordBreak(bool bWordBreak);

protected:
    void paintEvent(QPaintEvent* pEvent) override;

private:
    bool m_bWordBreak = false;
};

}  // namespace framework
