#pragma once

#include <QGroupBox>
#include <QPointer>

#include "framework/Wnd.h"

namespace framework {

// A frame with a caption. The controls it frames are the dialog's own children
// (layouts place everything absolutely), so the caption's mnemonic moves the focus
// to the control that follows the group box in tab order.
class CGroupBox : public CWnd<QGroupBox> {
public:
    explicit CGroupBox(QWidget* pParent);

    void SetBuddy(QWidget* pBuddy) { m_pBuddy = pBuddy; }

protected:
    bool event(QEvent* pEvent) override;

private:
    QPointer<QWidget> m_pBuddy;
};

}  // namespace framework
