#include "platform/FileIdentity.h"

#include "platform/FileIdentityLevels.h"

namespace platform {

namespace {

struct SIdentity {
    bool bFound = false;
    std::uint64_t device = 0;
    std::uint64_t inode = 0;
    // The components below the nearest existing ancestor, outermost first.
    std::vector<std::string> rest;
};

// The path of the first `count` levels below `root`; "." for none of a relative path.
std::string Join(const std::string& root, const std::vector<std::string>& levels,
                 std::size_t count) {
    std::string path = root;
    for (std::size_t i = 0; i < count; ++i) {
        if (i > 0) {
            path += '/';
        }
        path += levels[i];
    }
    return path.empty() ? "." : path;
}

SIdentity IdentityOf(const std::string& path) {
    SIdentity identity;
    if (path.empty()) {
        return identity;
    }
    const CPathLevels split = SplitIntoLevels(path);
    const std::vector<std::string>& levels = split.m_levels;
    // From the whole path towards the root: the first level that exists anchors it.
    for (std::size_t count = levels.size() + 1; count-- > 0;) {
        if (IdentifyFile(Join(split.m_strRoot, levels, count), identity.device, identity.inode)) {
            identity.bFound = true;
            identity.rest.assign(levels.begin() + static_cast<std::ptrdiff_t>(count), levels.end());
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
