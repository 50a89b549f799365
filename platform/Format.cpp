#include "platform/Format.h"

namespace platform {

std::string CFormatArg::Render(char conversion) const {
    if (const auto* number = std::get_if<long long>(&m_value)) {
        if (conversion == 'c') {
            return std::string(1, static_cast<char>(*number));
        }
        return std::to_string(*number);
    }
    if (const auto* character = std::get_if<char>(&m_value)) {
        if (conversion == 'd') {
            return std::to_string(static_cast<int>(static_cast<unsigned char>(*character)));
        }
        return std::string(1, *character);
    }
    return std::get<std::string>(m_value);
}

std::string FormatString(std::string_view format, std::initializer_list<CFormatArg> args) {
    const CFormatArg* arguments = args.begin();
    std::string result;
    result.reserve(format.size() + 16);
    std::size_t nextSequential = 0;
    for (std::size_t i = 0; i < format.size(); ++i) {
        const char c = format[i];
        if (c != '%' || i + 1 == format.size()) {
            result += c;
            continue;
        }
        const char spec = format[i + 1];
        if (spec == '%') {
            result += '%';
            ++i;
        } else if (spec == 's' || spec == 'd' || spec == 'c') {
            if (nextSequential < args.size()) {
                result += arguments[nextSequential].Render(spec);
            }
            ++nextSequential;
            ++i;
        } else if (spec >= '1' && spec <= '9') {
            const std::size_t index = static_cast<std::size_t>(spec - '1');
            if (index < args.size()) {
                result += arguments[index].Render('s');
            }
            ++i;
        } else {
            result += c;
        }
    }
    return result;
}

}  // namespace platform
