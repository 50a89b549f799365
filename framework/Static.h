#pragma once

#include <string>

#include "framework/Icon.h"
#include "framework/Wnd.h"

namespace framework {

// A label, or a static icon. A label's "&" marks a mnemonic that moves the focus to
// the control after it in tab order; its text is never read as markup.
class CStatic : public CWnd {
public:
    CStatic() = default;

    void Create(CDialog& dialog, const CControlTemplate& control,
                const std::string& caption) override;

    // Sets the text. While it holds a mnemonic the label stands for the control it
    // leads to: unless that is a button with a caption of its own, the control takes
    // the text (without the "&") as its accessible name.
    void SetWindowText(const std::string& text) override;

    // The control the mnemonic leads to: the next one in tab order.
    void SetMnemonicTarget(CWnd* pTarget);

    // Shows `icon` at the platform's icon size instead of a text.
    void SetIcon(const CIcon& icon);
    bool HasIcon() const { return m_bIcon; }

    // Breaks the text into lines at word boundaries, and a word too long for a line
    // (a path without blanks) wherever it must, so nothing runs past the box. Such a
    // label shows texts as written, "&" included, and has no mnemonic.
    void SetWordBreak(bool bWordBreak);

private:
    void UpdateTarget();
    // Tells the backend that the text or the control the mnemonic leads to changed;
    // `pBuddy` is where the mnemonic leads now (none: nullptr).
    void OnTextOrTargetChanged(CWnd* pBuddy);

    CWnd* m_pTarget = nullptr;
    bool m_bWordBreak = false;
    bool m_bIcon = false;
};

// `caption` as it reads on screen, without its mnemonic marks ("&&" stands for "&");
// empty when it holds no mnemonic.
std::string MnemonicCaption(const std::string& caption);

// Names `pControl` for assistive technology after the caption that leads to it by
// mnemonic, unless the control is a button, which its own caption names.
void NameAfterCaption(CWnd* pControl, const std::string& caption);

}  // namespace framework
