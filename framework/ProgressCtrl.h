#pragma once

#include <QProgressBar>

#include "framework/Wnd.h"

namespace framework {

// A progress bar that fills from its lower bound to its upper bound; it shows no text.
class CProgressCtrl : public CWnd<QProgressBar> {
public:
    explicit CProgressCtrl(QWidget* pParent);

    void SetRange(int nLower, int nUpper);
    // Moves the bar to `nPos`, held within the range.
    void SetPos(int nPos);
    int GetPos() const { return value(); }
};

}  // namespace framework
