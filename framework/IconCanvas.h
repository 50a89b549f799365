#pragma once

#include <QIcon>
#include <QPixmap>
#include <functional>
#include <initializer_list>

class QPainter;

namespace framework {

// How an icon is smoothed: pixel icons keep crisp unsmoothed edges up to 32 pixels,
// round shapes look ragged without smoothing at any size.
enum class IconSmoothing { AboveClassicSize, Always };

// A square picture of `size` pixels (none for a size below 1), drawn by `draw` on a
// grid of 32 units whatever the size, so one drawing serves every size; `draw` is
// told the size for the details that only larger pictures show.
QPixmap DrawIconPixmap(int size, IconSmoothing smoothing,
                       const std::function<void(QPainter&, int size)>& draw);

// An icon holding the picture `pixmap` makes at each of `sizes`.
QIcon IconOfSizes(const std::function<QPixmap(int)>& pixmap, std::initializer_list<int> sizes);

}  // namespace framework
