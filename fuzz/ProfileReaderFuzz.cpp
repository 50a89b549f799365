// Feeds arbitrary bytes to the profile reader as a SETUP.INI text and looks up the
// names the installer asks for as well as names taken from the input itself, so that
// matching runs against whatever sections and keys the input holds.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "setup/config/CountText.h"
#include "setup/config/ProfileReader.h"

namespace {

void Check(const setup::CProfileReader& reader, std::string_view section, std::string_view key) {
    if (const auto value = reader.Find(section, key)) {
        // A value never holds a line end or a NUL: either would have ended it.
        if (value->find_first_of(std::string_view("\r\n\0", 3)) != std::string::npos) {
            __builtin_trap();
        }
        setup::CountFromText(*value);
    }
    reader.FindInt(section, key, -1);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const setup::CProfileReader reader(text);

    static constexpr std::string_view kNames[][2] = {
        {"Setup", "Name"},  {"setup", "CAPTION"},        {"Files", "Files"},
        {"Files", "File1"}, {"Register", "Objects"},     {"Shortcuts", "LnkName"},
        {"RunAfterSetup", "File1Message"}, {"", ""},
    };
    for (const auto& names : kNames) {
        Check(reader, names[0], names[1]);
    }
    // Names cut from the input: the first line's halves around its first '='.
    const std::string_view first = text.substr(0, text.find('\n'));
    const std::size_t equals = first.find('=');
    if (equals != std::string_view::npos) {
        Check(reader, first.substr(0, equals), first.substr(equals + 1));
    }
    setup::CountFromText(text);
    return 0;
}
