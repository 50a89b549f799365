#pragma once

#include <QLabel>
#include <QPointer>
#include <string>

#include "framework/Icon.h"
#include "framework/Wnd.h"

namespace framework {

// A label, or a static icon. A label's "&" marks a mnemonic that moves the focus to
// the control after it in tab order; its text is never read as markup.
class CStatic : public CWnd<QLabel> {
public:
    explicit CStatic(QWidget* pParent);

    // Sets the text. While it holds a mnemonic the label stands for the control it
    // leads to: that control is its buddy and, unless it is a button with a caption
    // of its own, takes the text (without the "&") as its accessible name.
    void SetWindowText(const std::string& text);
    std::string GetWindowText() const;

    // The control the mnemonic leads to: the next one in tab order.
    void SetMnemonicTarget(QWidget* pTarget);

    // Shows `icon` at the platform's icon size instead of a text.
    void SetIcon(const CIcon& icon);

    // Breaks the text into lines at word boundaries, and a word too long for a line
    // (a path without blanks) wherever it must, so nothing runs past the box. Such a
    // label shows texts as written, "&" included, and has no mnemonic.
    void SetWordBreak(bool bWordBreak);

protected:
    void paintEvent(QPaintEvent* pEvent) override;

private:
    void UpdateTarget();

    QPointer<QWidget> m_pTarget;
    bool m_bWordBreak = false;
};

// `caption` as it reads on screen, without its mnemonic marks ("&&" stands for "&");
// empty when it holds no mnemonic.
QString MnemonicCaption(const QString& caption);

// Names `pControl` for assistive technology after the caption that leads to it by
// mnemonic, unless the control is a button, which its own caption names.
void NameAfterCaption(QWidget* pControl, const QString& caption);

}  // namespace framework
