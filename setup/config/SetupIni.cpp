#include "setup/config/SetupIni.h"

#include "platform/WindowsPath.h"
#include "setup/config/ParsedFileCache.h"
#include "setup/config/ProfileReader.h"

namespace setup {

namespace {

// Every value is read from the file as it is at that moment: SETUP.INI may change
// between two reads and each must see the file as it is then. The copy loop reads
// one key per file, thousands for a large product, so the parsed file is kept and
// used again as long as the file is provably the same one, unchanged.
const CProfileReader& OpenSetupIni() {
    static const CProfileReader kEmpty{std::string_view()};
    static CParsedFileCache cache;
    const std::string directory = GetSetupDirectory();
    // Without a directory of its own the file would be looked for in the current
    // directory, which must play no part; every key then reads as missing.
    if (directory.empty()) {
        return kEmpty;
    }
    // The host name found last time is tried first: finding it anew in any letter
    // case costs a lookup per level, and the copy loop reads a key for every file.
    // Keyed by the path as named on the host, which follows the drive map.
    static std::string lastNamed;
    static std::string lastHost;
    const std::string named = platform::ToHostPathAsNamed(directory + "SETUP.INI");
    bool found = false;
    if (!named.empty() && named == lastNamed) {
        const CProfileReader& reader = cache.Open(lastHost, &found);
        if (found) {
            return reader;
        }
    }
    lastNamed = named;
    lastHost = platform::ToHostPath(directory + "SETUP.INI");
    return lastHost.empty() ? kEmpty : cache.Open(lastHost);
}

}  // namespace

std::string GetSetupDirectory() {
    const std::string program = platform::WindowsProgramPath();
    const std::size_t backslash = program.rfind('\\');
    return backslash == std::string::npos ? std::string() : program.substr(0, backslash + 1);
}

std::string ReadIniString(const std::string& section, const std::string& key,
                          const std::string& defaultValue) {
    const std::string value = OpenSetupIni().Find(section, key).value_or(defaultValue);
    return value.substr(0, kMaxIniValue);
}

int ReadIniInt(const std::string& section, const std::string& key, int defaultValue) {
    return OpenSetupIni().FindInt(section, key, defaultValue);
}

std::vector<std::string> ReadIniList(const std::string& section, const std::string& stem,
                                     int count) {
    const CProfileReader& reader = OpenSetupIni();
    std::vector<std::string> values;
    for (int n = 1; n <= count; ++n) {
        std::string value = reader.Find(section, stem + std::to_string(n)).value_or("");
        if (value.empty()) {
            break;
        }
        values.push_back(value.substr(0, kMaxIniValue));
    }
    return values;
}

int LastIniNumber(const std::string& section, const std::string& stem) {
    return OpenSetupIni().LastNumberedKey(section, stem);
}

}  // namespace setup
