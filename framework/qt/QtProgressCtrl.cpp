#include <QProgressBar>
#include <algorithm>

#include "framework/ProgressCtrl.h"
#include "framework/qt/DialogWindow.h"
#include "framework/qt/QtWidget.h"

namespace framework {

void CProgressCtrl::Create(CDialog& dialog, const CControlTemplate& control, const std::string&) {
    auto* pBar = new QProgressBar(&DialogWindow(dialog));
    pBar->setRange(0, 100);
    pBar->setValue(0);
    pBar->setTextVisible(false);
    PlaceControl(pBar, DialogWindow(dialog), control);
    Attach(pBar);
}

void CProgressCtrl::SetRange(int nLower, int nUpper) {
    WidgetAs<QProgressBar>(*this)->setRange(nLower, nUpper);
}

void CProgressCtrl::SetPos(int nPos) {
    auto* pBar = WidgetAs<QProgressBar>(*this);
    pBar->setValue(std::clamp(nPos, pBar->minimum(), pBar->maximum()));
}

int CProgressCtrl::GetPos() const {
    return WidgetAs<QProgressBar>(*this)->value();
}

}  // namespace framework
