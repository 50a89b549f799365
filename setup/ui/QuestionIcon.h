#pragma once

#include "framework/Icon.h"

namespace setup {

// The question dialog's picture: a white question mark on a green disc with a dark
// rim, drawn as vector art in a few flat colours, at 32 x 32 and larger sizes.
framework::CIcon QuestionIcon();

}  // namespace setup
