#include "platform/DriveTable.h"

#include <pwd.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <system_error>

namespace platform {

namespace {

std::string HomeDirectory() {
    if (const char* home = std::getenv("HOME"); home != nullptr && home[0] == '/') {
        return home;
    }
    if (const passwd* entry = ::getpwuid(::getuid()); entry != nullptr && entry->pw_dir) {
        return entry->pw_dir;
    }
    return {};
}

}  // namespace

// getcwd() reports physical paths, so a root reached through a symbolic link would
// never match the current directory; keep roots in their canonical form.
std::string DriveRootForm(const std::string& directory) {
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

// No drive letters here: C: is the user's home directory and Z: the file-system root.
CDriveTable DefaultDriveTable() {
    CDriveTable table;
    if (const std::string home = HomeDirectory(); !home.empty()) {
        table[DriveSlot('C')] = DriveRootForm(home);
    }
    table[DriveSlot('Z')].assign(1, '/');  // (assigning a literal trips a GCC 12 false -Wrestrict)
    return table;
}

}  // namespace platform
