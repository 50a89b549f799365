#include "framework/GroupBox.h"

#include <QEvent>

namespace framework {

CGroupBox::CGroupBox(QWidget* pParent) : CWnd(pParent) {}

bool CGroupBox::event(QEvent* pEvent) {
    if (pEvent->type() == QEvent::Shortcut) {
        if (m_pBuddy && m_pBuddy->isEnabled() && m_pBuddy->isVisible()) {
            m_pBuddy->setFocus(Qt::ShortcutFocusReason);
        }
        return true;
    }
    return QGroupBox::event(pEvent);
}

}  // namespace framework
