#include "framework/IconCanvas.h"

#include <QPainter>

namespace framework {

QPixmap DrawIconPixmap(int size, IconSmoothing smoothing,
                       const std::function<void(QPainter&, int size)>& draw) {
    if (size <= 0) {
        return QPixmap();
    }
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    // Up to 32 pixels unsmoothed lines come out as the crisp pixel staircases of a
    // classic icon; smoothing would blur them into grey fringes.
    painter.setRenderHint(QPainter::Antialiasing, smoothing == IconSmoothing::Always || size > 32);
    painter.scale(size / 32.0, size / 32.0);
    draw(painter, size);
    return pixmap;
}

QIcon IconOfSizes(const std::function<QPixmap(int)>& pixmap, std::initializer_list<int> sizes) {
    QIcon icon;
    for (int size : sizes) {
        icon.addPixmap(pixmap(size));
    }
    return icon;
}

}  // namespace framework
