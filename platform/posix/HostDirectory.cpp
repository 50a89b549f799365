#include "platform/HostDirectory.h"

#include <dirent.h>

namespace platform {

std::vector<std::string> ListHostDirectory(const std::string& directory) {
    std::vector<std::string> names;
    if (DIR* dir = ::opendir(directory.c_str())) {
        while (const dirent* entry = ::readdir(dir)) {
            const std::string name = entry->d_name;
            if (name != "." && name != "..") {
                names.push_back(name);
            }
        }
        ::closedir(dir);
    }
    return names;
}

}  // namespace platform
