#pragma once

#include <string>
#include <string_view>

namespace platform {

// `text` with every line break made a single line feed, for showing it. Texts keep
// the breaks they were written with (CR LF pairs, and some LF CR pairs); a window
// that draws text line by line would otherwise show a stray CR as a glyph or break
// twice. A CR LF pair, an LF CR pair, a lone CR and a lone LF each make one break;
// pairs are taken from the left, so CR LF CR LF is two breaks.
std::string NormaliseLineBreaks(std::string_view text);

}  // namespace platform
