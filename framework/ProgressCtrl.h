#pragma once

#include "framework/Wnd.h"

namespace framework {

// A progress bar that fills from its lower bound to its upper bound; it shows no text.
class CProgressCtrl : public CWnd {
public:
    CProgressCtrl() = default;

    void Create(CDialog& dialog, const CControlTemplate& control,
                const std::string& caption) override;

    void SetRange(int nLower, int nUpper);
    // Moves the bar to `nPos`, held within the range.
    void SetPos(int nPos);
    int GetPos() const;
};

}  // namespace framework
