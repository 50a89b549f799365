#include "platform/FileIdentityLevels.h"

#include <sys/stat.h>

namespace platform {

CPathLevels SplitIntoLevels(const std::string& path) {
    CPathLevels split;
    if (!path.empty() && path[0] == '/') {
        split.m_strRoot.assign(1, '/');  // (assigning a literal trips a GCC 12 false -Wrestrict)
    }
    std::string current;
    for (const char c : path) {
        if (c == '/') {
            if (!current.empty() && current != ".") {
                split.m_levels.push_back(current);
            }
            current.clear();
        } else {
            current += c;
        }
    }
    if (!current.empty() && current != ".") {
        split.m_levels.push_back(current);
    }
    return split;
}

bool IdentifyFile(const std::string& path, std::uint64_t& device, std::uint64_t& inode) {
    struct stat info;
    if (::stat(path.c_str(), &info) != 0) {
        return false;
    }
    device = info.st_dev;
    inode = info.st_ino;
    return true;
}

}  // namespace platform
