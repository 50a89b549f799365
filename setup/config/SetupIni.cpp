#include "setup/config/SetupIni.h"

#include "platform/FileCopy.h"
#include "platform/ProfileFile.h"
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

// The host path of SETUP.INI for the system's profile reader; empty without a setup
// directory or for a file larger than our own reader takes, and then every key reads
// as missing, as it does everywhere.
std::string SetupIniHostPath() {
    const std::string directory = GetSetupDirectory();
    // The system's reader finds the file in any letter case itself.
    const std::string path =
        directory.empty() ? std::string() : platform::ToHostPathAsNamed(directory + "SETUP.INI");
    return platform::RegularFileSize(path) > CProfileReader::kMaxProfileBytes ? std::string()
                                                                               : path;
}

}  // namespace

std::string GetSetupDirectory() {
    const std::string program = platform::WindowsProgramPath();
    const std::size_t backslash = program.rfind('\\');
    return backslash == std::string::npos ? std::string() : program.substr(0, backslash + 1);
}

std::string ReadIniString(const std::string& section, const std::string& key,
                          const std::string& defaultValue) {
    // Where the system reads profiles, SETUP.INI is read by it, as the installer was
    // written to; our own reader follows its rules elsewhere.
    if (platform::HasSystemProfileReader()) {
        const std::string path = SetupIniHostPath();
        return path.empty() ? defaultValue.substr(0, kMaxIniValue)
                            : platform::ReadSystemProfileString(path, section, key, defaultValue,
                                                                kMaxIniValue);
    }
    const std::string value = OpenSetupIni().Find(section, key).value_or(defaultValue);
    return value.substr(0, kMaxIniValue);
}

int ReadIniInt(const std::string& section, const std::string& key, int defaultValue) {
    if (platform::HasSystemProfileReader()) {
        const std::string path = SetupIniHostPath();
        return path.empty() ? defaultValue
                            : platform::ReadSystemProfileInt(path, section, key, defaultValue);
    }
    return OpenSetupIni().FindInt(section, key, defaultValue);
}

std::vector<std::string> ReadIniList(const std::string& section, const std::string& stem,
                                     int count) {
    // The system's reader keeps the file it read last, so asking it key by key costs
    // little.
    const CProfileReader* reader =
        platform::HasSystemProfileReader() ? nullptr : &OpenSetupIni();
    std::vector<std::string> values;
    for (int n = 1; n <= count; ++n) {
        const std::string key = stem + std::to_string(n);
        std::string value =
            reader == nullptr ? ReadIniString(section, key) : reader->Find(section, key).value_or("");
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
