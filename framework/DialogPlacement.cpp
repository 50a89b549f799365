// Where a dialog opens: centred on its owner or the work area, or at the owner's
// client origin.
#include <QGuiApplication>
#include <QScreen>

#include "framework/Dialog.h"
#include "framework/Placement.h"

namespace framework {

void CDialog::CenterWindow() {
    QWidget* pOwner = GetOwner();
    // The owner's screen, so that a dialog of a window on a second monitor opens
    // there and not on the first.
    QScreen* pScreen = pOwner ? pOwner->screen() : screen();
    if (pScreen == nullptr) {
        pScreen = QGuiApplication::primaryScreen();
    }
    const QRect workArea = pScreen ? pScreen->availableGeometry() : QRect(QPoint(0, 0), size());
    const bool bOnOwner = pOwner && pOwner->isVisible() && !pOwner->isMinimized();
    move(CenteredTopLeft(bOnOwner ? pOwner->frameGeometry() : workArea, workArea, size()));
}

void CDialog::PlaceAtOwnerOrigin() {
    if (QWidget* pOwner = GetOwner()) {
        move(pOwner->mapToGlobal(QPoint(0, 0)));
    }
}

}  // namespace framework
