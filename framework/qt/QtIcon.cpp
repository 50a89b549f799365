#include "framework/qt/QtIcon.h"

#include <QPainter>

#include "framework/qt/QtIconCanvas.h"

namespace framework {

QPixmap IconPixmap(const CIcon& icon, int size) {
    if (size <= 0 || icon.IsNull()) {
        return QPixmap();
    }
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    // Up to 32 pixels unsmoothed lines come out as the crisp pixel staircases of a
    // classic icon; smoothing would blur them into grey fringes.
    painter.setRenderHint(QPainter::Antialiasing,
                          icon.GetSmoothing() == IconSmoothing::Always || size > 32);
    painter.scale(size / 32.0, size / 32.0);
    CQtIconCanvas canvas(painter);
    icon.GetDrawing()(canvas, size);
    return pixmap;
}

QIcon ToQIcon(const CIcon& icon) {
    QIcon result;
    for (int size : icon.GetSizes()) {
        result.addPixmap(IconPixmap(icon, size));
    }
    return result;
}

}  // namespace framework
