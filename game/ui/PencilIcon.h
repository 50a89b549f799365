#pragma once

#include "framework/Icon.h"

namespace lettrino {

// The program icon: a yellow pencil lying diagonally, its sharpened tip at the lower
// left and its eraser at the upper right. It is drawn as vector art, so every size is
// sharp; the shapes and the small set of flat colours keep the look of a classic
// 16-colour icon. Sizes below 24 get a simplified drawing with a relatively thicker
// pencil, so the parts stay readable.
//
// The icon has its 16 x 16 and 32 x 32 pictures, plus larger ones for desktops that
// show big window and task-bar icons.
framework::CIcon PencilIcon();

}  // namespace lettrino
