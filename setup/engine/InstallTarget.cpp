#include "setup/engine/InstallTarget.h"

#include <algorithm>
#include <vector>

#include "platform/AsciiCase.h"
#include "platform/DirectoryCache.h"
#include "platform/PathCase.h"
#include "platform/WindowsPath.h"

namespace setup {

namespace {

std::string WithSlash(const std::string& hostDirectory) {
    return hostDirectory.empty() || hostDirectory.back() == '/' ? hostDirectory
                                                                : hostDirectory + "/";
}

std::string DirectoryOf(const std::string& hostPath) {
    const std::size_t slash = hostPath.rfind('/');
    return slash == 0 ? std::string("/") : hostPath.substr(0, slash);
}

}  // namespace

CInstallTarget::CInstallTarget(const std::string& canonicalDirectory)
    : m_strPrefix(canonicalDirectory) {
    if (m_strPrefix.empty() || m_strPrefix.back() != '\\') {
        m_strPrefix += '\\';
    }
    // The canonical directory is what the system reported as current, so its host
    // path is taken as it stands: no other letter case can be meant.
    m_strHost = platform::ToHostPathAsNamed(canonicalDirectory);
    while (m_strHost.size() > 1 && m_strHost.back() == '/') {
        m_strHost.pop_back();
    }
    m_strRoot = WithSlash(m_strHost);
}

bool CInstallTarget::Resolve(const std::string& value, CDestination& destination) {
    if (m_strHost.empty()) {
        return false;
    }
    std::string upper = value;
    for (char& c : upper) {
        c = platform::ToUpperAscii(c);
    }
    // ".." is resolved on the text first: what climbs out of the directory is
    // refused whatever lies there.
    const std::string normal = platform::AbsoluteWindowsPath(m_strPrefix + upper);
    if (normal.size() <= m_strPrefix.size() ||
        normal.compare(0, m_strPrefix.size(), m_strPrefix) != 0) {
        return false;
    }
    std::string below = normal.substr(m_strPrefix.size());
    for (char& c : below) {
        if (c == '\\') {
            c = '/';
        }
    }
    const std::string& root = m_strRoot;
    // The folders on the way are looked up on disk; the file's own name in the
    // folder's listing, read once and kept up to date with every file added, which
    // saves thousands of failing lookups for a product of new files.
    const std::size_t slash = below.rfind('/');
    const std::string leaf = slash == std::string::npos ? below : below.substr(slash + 1);
    const std::string folder =
        slash == std::string::npos
            ? m_strHost
            : platform::ResolveExistingCaseBelow(root, below.substr(0, slash), m_cache);
    const std::vector<std::string>& matches = m_cache.MatchesIgnoringCase(folder, leaf);
    const bool exact = std::find(matches.begin(), matches.end(), leaf) != matches.end();
    const std::string host =
        WithSlash(folder) + (exact || matches.empty() ? leaf : matches.front());
    destination.m_strHost = host;
    destination.m_bNew = matches.empty();
    destination.m_strRelative = host.substr(root.size());
    destination.m_strPath = m_strPrefix + host.substr(root.size());
    for (std::size_t i = m_strPrefix.size(); i < destination.m_strPath.size(); ++i) {
        if (destination.m_strPath[i] == '/') {
            destination.m_strPath[i] = '\\';
        }
    }
    return true;
}

void CInstallTarget::Added(const CDestination& destination) {
    const std::string& host = destination.m_strHost;
    m_cache.Add(DirectoryOf(host), host.substr(host.rfind('/') + 1));
}

}  // namespace setup
