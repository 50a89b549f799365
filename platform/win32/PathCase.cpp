#include "platform/PathCase.h"

#include "platform/DirectoryCache.h"

namespace platform {

// The file systems of Win32 find a name in any letter case themselves, and keep the
// case a new file or folder was created with: every path resolves as it stands.

std::string ResolveExistingCase(const std::string& path, CDirectoryCache&) {
    return path;
}

std::string ResolveExistingCaseBelow(const std::string& base, const std::string& relative,
                                     CDirectoryCache&) {
    return base.empty() || base.back() == '/' ? base + relative : base + "/" + relative;
}

std::string ResolveExistingCase(const std::string& path) {
    return path;
}

}  // namespace platform
