#pragma once

#include <initializer_list>
#include <string>
#include <string_view>
#include <variant>

namespace platform {

// One argument of FormatString. Holding the value as a variant lets the formatter
// print whatever it was given, whichever conversion the template names, so a wrong
// template can never read memory the way a mismatched printf would.
class CFormatArg {
public:
    CFormatArg(int value) : m_value(static_cast<long long>(value)) {}
    CFormatArg(long value) : m_value(static_cast<long long>(value)) {}
    CFormatArg(long long value) : m_value(value) {}
    CFormatArg(unsigned value) : m_value(static_cast<long long>(value)) {}
    CFormatArg(char value) : m_value(value) {}
    CFormatArg(const char* value) : m_value(std::string(value ? value : "")) {}
    CFormatArg(std::string_view value) : m_value(std::string(value)) {}
    CFormatArg(const std::string& value) : m_value(value) {}

    // The argument as the conversion `conversion` ('s', 'd' or 'c') would print it.
    std::string Render(char conversion) const;

private:
    std::variant<long long, char, std::string> m_value;
};

// Fills a string-table template. Understood: %s, %d, %c, %% and the positional
// %1 ... %9. Only the template is interpreted: text that arrives as an argument is
// copied as it stands, so user data is never read as a format. A conversion without
// a matching argument expands to nothing; any other '%' sequence is copied literally.
std::string FormatString(std::string_view format, std::initializer_list<CFormatArg> args);

}  // namespace platform
