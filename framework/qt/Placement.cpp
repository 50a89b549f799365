#include "framework/qt/Placement.h"

#include <algorithm>

namespace framework {

QPoint CenteredTopLeft(const QRect& around, const QRect& workArea, const QSize& size) {
    int x = around.x() + (around.width() - size.width()) / 2;
    int y = around.y() + (around.height() - size.height()) / 2;
    // The right and bottom edges first, so that the left and top edges win when the
    // window does not fit.
    x = std::max(workArea.left(), std::min(x, workArea.left() + workArea.width() - size.width()));
    y = std::max(workArea.top(), std::min(y, workArea.top() + workArea.height() - size.height()));
    return QPoint(x, y);
}

}  // namespace framework
