#include "platform/DriveMap.h"

#include <pwd.h>
#include <unistd.h>

#include <array>
#include <cstdlib>
#include <filesystem>
#include <system_error>

namespace platform {

namespace {

int SlotOf(char letter) {
    if (letter >= 'a' && letter <= 'z') {
        return letter - 'a';
    }
    if (letter >= 'A' && letter <= 'Z') {
        return letter - 'A';
    }
    return -1;
}

// getcwd() reports physical paths, so a root reached through a symbolic link would
// never match the current directory; keep roots in their canonical form.
std::string Canonical(const std::string& directory) {
    std::error_code error;
    std::string result = std::filesystem::weakly_canonical(directory, error).string();
    if (error || result.empty()) {
        result = directory;
    }
    while (result.size() > 1 && result.back() == '/') {
        result.pop_back();
    }
    return result;
}

std::string HomeDirectory() {
    if (const char* home = std::getenv("HOME"); home != nullptr && home[0] == '/') {
        return home;
    }
    if (const passwd* entry = ::getpwuid(::getuid()); entry != nullptr && entry->pw_dir) {
        return entry->pw_dir;
    }
    return {};
}

using CDriveTable = std::array<std::string, 26>;

CDriveTable DefaultTable() {
    CDriveTable table;
    if (const std::string home = HomeDirectory(); !home.empty()) {
        table[SlotOf('C')] = Canonical(home);
    }
    table[SlotOf('Z')].assign(1, '/');  // (assigning a literal trips a GCC 12 false -Wrestrict)
    return table;
}

CDriveTable& Table() {
    static CDriveTable table = DefaultTable();
    return table;
}

}  // namespace

std::string DriveRoot(char letter) {
    const int slot = SlotOf(letter);
    return slot < 0 ? std::string() : Table()[slot];
}

std::vector<char> MappedDrives() {
    std::vector<char> letters;
    for (int slot = 0; slot < 26; ++slot) {
        if (!Table()[slot].empty()) {
            letters.push_back(static_cast<char>('A' + slot));
        }
    }
    return letters;
}

void MapDrive(char letter, const std::string& hostDirectory) {
    const int slot = SlotOf(letter);
    if (slot >= 0) {
        Table()[slot] = hostDirectory.empty() ? std::string() : Canonical(hostDirectory);
    }
}

void ResetDriveMap() {
    Table() = DefaultTable();
}

}  // namespace platform
