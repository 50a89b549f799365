#pragma once

#include <QIcon>
#include <QPixmap>

namespace setup {

// The question dialog's picture: a white question mark on a green disc with a dark
// rim, drawn as vector art in a few flat colours.
//
// A square pixmap of `size` pixels (transparent background).
QPixmap QuestionIconPixmap(int size);

// The icon at 32 x 32 and larger sizes.
QIcon QuestionIcon();

}  // namespace setup
