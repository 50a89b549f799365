#include "framework/ProgressCtrl.h"

#include <algorithm>

namespace framework {

CProgressCtrl::CProgressCtrl(QWidget* pParent) : CWnd(pParent) {
    setRange(0, 100);
    setValue(0);
    setTextVisible(false);
}

void CProgressCtrl::SetRange(int nLower, int nUpper) {
    setRange(nLower, nUpper);
}

void CProgressCtrl::SetPos(int nPos) {
    setValue(std::clamp(nPos, minimum(), maximum()));
}

}  // namespace framework
