#include "setup/config/CountText.h"

#include <climits>
#include <cstdint>

namespace setup {

int CountFromText(std::string_view text) {
    std::size_t pos = 0;
    // The blanks of the C runtime's conversion: space and \t \n \v \f \r.
    while (pos < text.size() && (text[pos] == ' ' || (text[pos] >= '\t' && text[pos] <= '\r'))) {
        ++pos;
    }
    bool negative = false;
    if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) {
        negative = text[pos] == '-';
        ++pos;
    }
    // Accumulate the magnitude up to one past INT_MAX so that INT_MIN stays exact.
    constexpr long long kLimit = static_cast<long long>(INT_MAX) + 1;
    long long magnitude = 0;
    for (; pos < text.size() && text[pos] >= '0' && text[pos] <= '9'; ++pos) {
        magnitude = magnitude * 10 + (text[pos] - '0');
        if (magnitude > kLimit) {
            magnitude = kLimit;
        }
    }
    if (negative) {
        return static_cast<int>(-magnitude);
    }
    return magnitude > INT_MAX ? INT_MAX : static_cast<int>(magnitude);
}

int ProfileIntFromText(std::string_view text) {
    // The system reads an integer key into a buffer of 30 characters.
    text = text.substr(0, 29);
    std::size_t pos = 0;
    while (pos < text.size() && static_cast<unsigned char>(text[pos]) <= ' ') {
        ++pos;
    }
    bool negative = false;
    if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) {
        negative = text[pos] == '-';
        ++pos;
    }
    unsigned base = 10;
    if (pos + 1 < text.size() && text[pos] == '0') {
        const char prefix = text[pos + 1];
        base = prefix == 'x' ? 16 : prefix == 'o' ? 8 : prefix == 'b' ? 2 : 10;
        pos += base == 10 ? 0 : 2;
    }
    std::uint32_t value = 0;  // unsigned, so that it wraps as the system's does
    for (; pos < text.size(); ++pos) {
        const char c = text[pos];
        const unsigned digit = c >= '0' && c <= '9'   ? static_cast<unsigned>(c - '0')
                               : c >= 'a' && c <= 'z' ? static_cast<unsigned>(c - 'a' + 10)
                               : c >= 'A' && c <= 'Z' ? static_cast<unsigned>(c - 'A' + 10)
                                                      : base;
        if (digit >= base) {
            break;
        }
        value = value * base + digit;
    }
    return static_cast<std::int32_t>(negative ? 0u - value : value);
}

}  // namespace setup
