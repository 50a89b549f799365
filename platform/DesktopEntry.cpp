#include "platform/DesktopEntry.h"

#include <algorithm>
#include <cctype>

namespace platform {

namespace {

bool IsReserved(char c) {
    static constexpr std::string_view kReserved = " \t\n\"'\\><~|&;$*?#()`";
    return kReserved.find(c) != std::string_view::npos;
}

bool IsValidUtf8(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size()) {
        const auto lead = static_cast<unsigned char>(text[i]);
        std::size_t length = 0;
        unsigned minimum = 0;
        unsigned code = 0;
        if (lead < 0x80) {
            ++i;
            continue;
        } else if ((lead & 0xE0) == 0xC0) {
            length = 2, minimum = 0x80, code = lead & 0x1F;
        } else if ((lead & 0xF0) == 0xE0) {
            length = 3, minimum = 0x800, code = lead & 0x0F;
        } else if ((lead & 0xF8) == 0xF0) {
            length = 4, minimum = 0x10000, code = lead & 0x07;
        } else {
            return false;
        }
        if (i + length > text.size()) {
            return false;
        }
        for (std::size_t k = 1; k < length; ++k) {
            const auto next = static_cast<unsigned char>(text[i + k]);
            if ((next & 0xC0) != 0x80) {
                return false;
            }
            code = (code << 6) | (next & 0x3F);
        }
        // Overlong forms, UTF-16 surrogates and values beyond Unicode are no UTF-8.
        if (code < minimum || (code >= 0xD800 && code <= 0xDFFF) || code > 0x10FFFF) {
            return false;
        }
        i += length;
    }
    return true;
}

bool HasControlCharacter(std::string_view text) {
    for (char c : text) {
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F) {
            return true;
        }
    }
    return false;
}

bool CanWrite(std::string_view value) {
    return IsValidUtf8(value) && !HasControlCharacter(value);
}

// The escaping every string value of the file gets. With control characters
// refused beforehand only the backslash needs it, and a leading blank, which readers
// would otherwise take for the blank around '='.
std::string EscapeString(std::string_view value) {
    std::string result;
    if (!value.empty() && value[0] == ' ') {
        result += "\\s";
        value.remove_prefix(1);
    }
    for (char c : value) {
        if (c == '\\') {
            result += '\\';
        }
        result += c;
    }
    return result;
}

// `list` as the Categories value, or empty when a name holds another character.
std::string CategoriesValue(std::string_view list) {
    std::string value;
    std::size_t start = 0;
    while (start <= list.size()) {
        const std::size_t end = std::min(list.find(';', start), list.size());
        const std::string_view name = list.substr(start, end - start);
        for (char c : name) {
            if (!std::isalnum(static_cast<unsigned char>(c)) && c != '-' && c != '_') {
                return {};
            }
        }
        if (!name.empty()) {
            value.append(name).append(";");
        }
        start = end + 1;
    }
    return value;
}

}  // namespace

std::string QuoteExecArgument(std::string_view path) {
    bool quote = path.empty();
    for (char c : path) {
        quote = quote || IsReserved(c);
    }
    std::string result;
    if (quote) {
        result += '"';
    }
    for (char c : path) {
        if (quote && (c == '"' || c == '`' || c == '$' || c == '\\')) {
            result += '\\';
        }
        result += c;
        if (c == '%') {
            result += '%';
        }
    }
    if (quote) {
        result += '"';
    }
    return result;
}

std::string DesktopEntryText(const CDesktopEntry& entry) {
    if (!CanWrite(entry.name) || !CanWrite(entry.program) || !CanWrite(entry.workingDirectory) ||
        !CanWrite(entry.comment)) {
        return {};
    }
    std::string text = "[Desktop Entry]\nType=Application\n";
    text += "Name=" + EscapeString(entry.name) + "\n";
    text += "Exec=" + EscapeString(QuoteExecArgument(entry.program)) + "\n";
    text += "Path=" + EscapeString(entry.workingDirectory) + "\n";
    if (!entry.comment.empty()) {
        text += "Comment=" + EscapeString(entry.comment) + "\n";
    }
    if (!entry.icon.empty() && CanWrite(entry.icon)) {
        text += "Icon=" + EscapeString(entry.icon) + "\n";
    }
    if (const std::string categories = CategoriesValue(entry.categories); !categories.empty()) {
        text += "Categories=" + categories + "\n";
    }
    return text;
}

}  // namespace platform
