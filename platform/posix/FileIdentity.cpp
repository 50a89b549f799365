#include "platform/FileIdentity.h"

#include <sys/stat.h>

#include <vector>

namespace platform {

namespace {

struct SIdentity {
    bool bFound = false;
    dev_t device = 0;
    ino_t inode = 0;
    // The components below the nearest existing ancestor, outermost first.
    std::vector<std::string> rest;
};

std::vector<std::string> Components(const std::string& path) {
    std::vector<std::string> components;
    std::string current;
    for (const char c : path) {
        if (c == '/') {
            if (!current.empty() && current != ".") {
                components.push_back(current);
            }
            current.clear();
        } else {
            current += c;
        }
    }
    if (!current.empty() && current != ".") {
        components.push_back(current);
    }
    return components;
}

std::string Join(bool bAbsolute, const std::vector<std::string>& components, std::size_t count) {
    std::string path = bAbsolute ? "/" : "";
    for (std::size_t i = 0; i < count; ++i) {
        if (i > 0) {
            path += '/';
        }
        path += components[i];
    }
    return path.empty() ? "." : path;
}

SIdentity IdentityOf(const std::string& path) {
    SIdentity identity;
    if (path.empty()) {
        return identity;
    }
    const bool bAbsolute = path[0] == '/';
    const std::vector<std::string> components = Components(path);
    // From the whole path towards the root: the first level that exists anchors it.
    for (std::size_t count = components.size() + 1; count-- > 0;) {
        struct stat info;
        if (::stat(Join(bAbsolute, components, count).c_str(), &info) == 0) {
            identity.bFound = true;
            identity.device = info.st_dev;
            identity.inode = info.st_ino;
            identity.rest.assign(components.begin() + static_cast<std::ptrdiff_t>(count),
                                 components.end());
            return identity;
        }
    }
    return identity;
}

}  // namespace

bool SameFileOrDirectory(const std::string& a, const std::string& b) {
    const SIdentity first = IdentityOf(a);
    const SIdentity second = IdentityOf(b);
    return first.bFound && second.bFound && first.device == second.device &&
           first.inode == second.inode && first.rest == second.rest;
}

}  // namespace platform
