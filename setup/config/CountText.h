#pragma once

#include <string_view>

namespace setup {

// Converts a count or size read from SETUP.INI as text: blanks at the start are
// skipped, one '+' or '-' is accepted, and conversion stops at the first character
// that is not a decimal digit; a text without leading digits gives 0 ("3abc" is 3,
// "abc" is 0). A value beyond the range of a signed 32-bit integer gives the nearest
// end of that range rather than an arbitrary wrapped number, so a huge size still
// reads as huge.
int CountFromText(std::string_view text);

}  // namespace setup
