#include "platform/PathCase.h"

#include <dirent.h>
#include <sys/stat.h>

#include <algorithm>
#include <string_view>
#include <vector>

#include "platform/AsciiCase.h"

namespace platform {

namespace {

bool Exists(const std::string& path) {
    struct stat info;
    return ::lstat(path.c_str(), &info) == 0;
}

// The entry of `directory` that equals `name` ignoring case, or empty.
std::string FindEntryIgnoringCase(const std::string& directory, std::string_view name) {
    DIR* dir = ::opendir(directory.empty() ? "." : directory.c_str());
    if (dir == nullptr) {
        return {};
    }
    std::vector<std::string> matches;
    while (const dirent* entry = ::readdir(dir)) {
        if (EqualsIgnoringAsciiCase(entry->d_name, name)) {
            matches.emplace_back(entry->d_name);
        }
    }
    ::closedir(dir);
    if (matches.empty()) {
        return {};
    }
    // readdir's order depends on the file system; pick one that does not.
    return *std::min_element(matches.begin(), matches.end());
}

}  // namespace

std::string ResolveExistingCase(const std::string& path) {
    if (path.empty() || Exists(path)) {
        return path;
    }
    std::string resolved;
    std::size_t pos = 0;
    if (path[0] == '/') {
        resolved = "/";
        pos = 1;
    }
    bool matching = true;
    while (pos <= path.size()) {
        std::size_t end = path.find('/', pos);
        if (end == std::string::npos) {
            end = path.size();
        }
        const std::string_view component(path.data() + pos, end - pos);
        std::string next = std::string(component);
        if (matching && !component.empty() && component != "." && component != "..") {
            const std::string candidate = resolved + next;
            if (!Exists(candidate)) {
                const std::string found = FindEntryIgnoringCase(resolved, component);
                if (found.empty()) {
                    matching = false;
                } else {
                    next = found;
                }
            }
        }
        resolved += next;
        if (end < path.size()) {
            resolved += '/';
        }
        pos = end + 1;
    }
    return resolved;
}

}  // namespace platform
