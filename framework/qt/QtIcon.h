#pragma once

#include <QIcon>
#include <QPixmap>

#include "framework/Icon.h"

namespace framework {

// The picture of `icon` at `size` pixels square, on a transparent background; none
// for a size below 1.
QPixmap IconPixmap(const CIcon& icon, int size);

// The icon with the picture drawn for each of its sizes.
QIcon ToQIcon(const CIcon& icon);

}  // namespace framework
