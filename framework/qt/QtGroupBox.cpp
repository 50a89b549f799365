#include <QEvent>
#include <QGroupBox>
#include <QPointer>

#include "framework/GroupBox.h"
#include "framework/Static.h"
#include "framework/qt/DialogWindow.h"
#include "framework/qt/QtWidget.h"

namespace framework {

namespace {

class CGroupBoxWidget : public QGroupBox {
public:
    using QGroupBox::QGroupBox;

    QPointer<QWidget> m_pBuddy;

protected:
    bool event(QEvent* pEvent) override {
        if (pEvent->type() == QEvent::Shortcut) {
            if (m_pBuddy && m_pBuddy->isEnabled() && m_pBuddy->isVisible()) {
                m_pBuddy->setFocus(Qt::ShortcutFocusReason);
            }
            return true;
        }
        return QGroupBox::event(pEvent);
    }
};

}  // namespace

void CGroupBox::Create(CDialog& dialog, const CControlTemplate& control,
                       const std::string& caption) {
    auto* pGroup = new CGroupBoxWidget(QString::fromStdString(caption), &DialogWindow(dialog));
    PlaceControl(pGroup, DialogWindow(dialog), control);
    Attach(pGroup);
}

void CGroupBox::SetBuddy(CWnd* pBuddy) {
    WidgetAs<CGroupBoxWidget>(*this)->m_pBuddy = pBuddy ? Widget(*pBuddy) : nullptr;
    NameAfterCaption(pBuddy, GetWindowText());
}

}  // namespace framework
