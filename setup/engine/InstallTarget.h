#pragma once

#include <string>

#include "platform/DirectoryCache.h"

namespace setup {

// Where the files of one copy run go: turns a File value of SETUP.INI into its
// destination inside the install directory, and refuses every destination that
// would lie outside it through ".." in the value. Links on the way are for the
// install folder's descriptor to refuse when the file is written.
class CInstallTarget {
public:
    // `canonicalDirectory` is the canonical install directory (Windows form).
    explicit CInstallTarget(const std::string& canonicalDirectory);

    struct CDestination {
        std::string m_strPath;  // Windows form, naming exactly the host file below
        std::string m_strHost;
        std::string m_strRelative;  // below the install directory, levels joined by '/'
        bool m_bNew = false;        // its folder's listing has no entry of that name
    };

    // The destination of `value`: the value upper-cased below the install directory,
    // each level that exists already in the case found on disk, so that a second
    // installation replaces the files of the first. False when it lies outside.
    bool Resolve(const std::string& value, CDestination& destination);

    // Tells the letter-case lookup that the copy created `destination`.
    void Added(const CDestination& destination);

private:
    std::string m_strPrefix;  // canonical directory with its trailing backslash
    std::string m_strHost;    // the same as a host path, without a trailing '/'
    std::string m_strRoot;    // m_strHost with a trailing '/'
    platform::CDirectoryCache m_cache;
};

}  // namespace setup
