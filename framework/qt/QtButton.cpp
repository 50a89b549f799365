#include <QKeyEvent>
#include <QPushButton>

#include "framework/Button.h"
#include "framework/Dialog.h"
#include "framework/qt/DialogWindow.h"
#include "framework/qt/QtWidget.h"

namespace framework {

namespace {

class CButtonWidget : public QPushButton {
public:
    using QPushButton::QPushButton;

protected:
    void keyPressEvent(QKeyEvent* pEvent) override {
        // A button that shows itself as the default would press itself on Enter.
        if (pEvent->key() == Qt::Key_Return || pEvent->key() == Qt::Key_Enter) {
            pEvent->ignore();
            return;
        }
        QPushButton::keyPressEvent(pEvent);
    }
};

}  // namespace

void CButton::Create(CDialog& dialog, const CControlTemplate& control, const std::string& caption) {
    auto* pButton = new CButtonWidget(QString::fromStdString(caption), &DialogWindow(dialog));
    // Qt's automatic default follows focus events, which an inactive window does not
    // get: it could leave Enter with a button that is disabled since. The dialog
    // picks Enter's button itself.
    pButton->setAutoDefault(false);
    const int nId = control.nId;
    QObject::connect(pButton, &QPushButton::clicked, pButton,
                     [&dialog, nId] { dialog.OnCommand(nId, CommandCode::Clicked); });
    PlaceControl(pButton, DialogWindow(dialog), control);
    Attach(pButton);
}

}  // namespace framework
