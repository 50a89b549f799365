#include "platform/PathCase.h"

#include <vector>

#include "platform/DirectoryCache.h"
#include "platform/HostPath.h"

namespace platform {

namespace {

// The file systems of Win32 find a name in any letter case themselves and hold one
// entry per name whatever its case, so an existing level has exactly one case on
// disk: each level is taken as its folder lists it, down to the first that does not
// exist; that one and those below it stay as given.
std::string Resolve(const std::string& root, const std::string& relative, CDirectoryCache& cache) {
    std::string resolved = root;
    std::size_t start = 0;
    bool existing = true;
    for (;;) {
        const std::size_t end = relative.find_first_of("/\\", start);
        const std::string component = relative.substr(start, end - start);
        if (existing && !component.empty() && component != "." && component != "..") {
            const std::vector<std::string>& matches = cache.MatchesIgnoringCase(resolved, component);
            existing = !matches.empty();
            resolved += existing ? matches.front() : component;
        } else {
            existing = existing && (component == "." || component.empty());
            resolved += component;
        }
        if (end == std::string::npos) {
            return resolved;
        }
        resolved += relative[end];
        start = end + 1;
    }
}

}  // namespace

std::string ResolveExistingCase(const std::string& path, CDirectoryCache& cache) {
    if (path.empty()) {
        return path;
    }
    const std::size_t root = HostRootLength(path);
    return Resolve(path.substr(0, root), path.substr(root), cache);
}

std::string ResolveExistingCaseBelow(const std::string& base, const std::string& relative,
                                     CDirectoryCache& cache) {
    const std::string root = base.empty() || base.back() == '/' ? base : base + "/";
    return relative.empty() ? root : Resolve(root, relative, cache);
}

std::string ResolveExistingCase(const std::string& path) {
    CDirectoryCache cache;
    return ResolveExistingCase(path, cache);
}

}  // namespace platform
