#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

namespace framework {

// Where a window of `size` goes to be centred on `around`: its top-left corner,
// moved as little as needed to keep the whole window inside `workArea` (the title
// bar stays reachable when `around` lies near a screen edge). A window larger than
// the work area keeps its top-left corner at the work area's.
QPoint CenteredTopLeft(const QRect& around, const QRect& workArea, const QSize& size);

}  // namespace framework
