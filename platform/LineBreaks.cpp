#include "platform/LineBreaks.h"

namespace platform {

std::string NormaliseLineBreaks(std::string_view text) {
    std::string result;
    result.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c != '\r' && c != '\n') {
            result += c;
            continue;
        }
        result += '\n';
        // The other break character right after this one belongs to the same break.
        const char partner = (c == '\r') ? '\n' : '\r';
        if (i + 1 < text.size() && text[i + 1] == partner) {
            ++i;
        }
    }
    return result;
}

}  // namespace platform
