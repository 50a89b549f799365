#pragma once

#include "framework/Icon.h"

namespace setup {

// The program icon: a 3.5-inch diskette in greys, seen from the front, its metal
// shutter at the top and its paper label below. Drawn as vector art in a few flat
// colours, so every size is sharp and keeps the look of a 16-colour icon. Below 24
// pixels the shutter's slot and the label's lines are left out, so the parts stay
// readable.
//
// The icon has its 16 x 16 and 32 x 32 pictures, plus larger ones for desktops that
// show big window and task-bar icons.
framework::CIcon DiskIcon();

}  // namespace setup
