#include "framework/Static.h"

#include "framework/Button.h"

namespace framework {

void CStatic::SetWindowText(const std::string& text) {
    CWnd::SetWindowText(text);
    UpdateTarget();
}

void CStatic::SetMnemonicTarget(CWnd* pTarget) {
    m_pTarget = pTarget;
    UpdateTarget();
}

void CStatic::UpdateTarget() {
    // A label without a mnemonic is no buddy: assistive technology would otherwise
    // announce the control after it by the label's text. A label that wraps has no
    // mnemonic: its "&" is part of the text.
    const std::string text = GetWindowText();
    const bool bMnemonic = !m_bWordBreak && !m_bIcon && !MnemonicCaption(text).empty();
    OnTextOrTargetChanged(bMnemonic ? m_pTarget : nullptr);
    if (bMnemonic) {
        NameAfterCaption(m_pTarget, text);
    }
}

std::string MnemonicCaption(const std::string& caption) {
    // "&" is a single byte in UTF-8 and never part of another character's bytes.
    std::string shown;
    bool bMnemonic = false;
    for (std::size_t i = 0; i < caption.size(); ++i) {
        if (caption[i] == '&' && i + 1 < caption.size()) {
            ++i;
            bMnemonic = bMnemonic || caption[i] != '&';
        }
        shown += caption[i];
    }
    return bMnemonic ? shown : std::string();
}

void NameAfterCaption(CWnd* pControl, const std::string& caption) {
    const std::string name = MnemonicCaption(caption);
    if (pControl && !name.empty() && dynamic_cast<CButton*>(pControl) == nullptr) {
        pControl->SetAccessibleName(name);
    }
}

}  // namespace framework
