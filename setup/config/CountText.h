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

// Converts a value as the profile reader of the platform SETUP.INI was written for
// converts an integer key, so that ReadIniInt gives the same number everywhere: of
// the first 29 characters, blanks (and other control characters) at the start are
// skipped, one '+' or '-' is accepted, then "0x" starts hexadecimal, "0o" octal and
// "0b" binary digits, anything else decimal ones; conversion stops at the first
// character that is no digit of the base. The number wraps around at 32 bits and is
// taken as a signed one: "0x10" is 16, "4294967296" is 0, "2147483648" is
// -2147483648, "abc" is 0.
int ProfileIntFromText(std::string_view text);

}  // namespace setup
