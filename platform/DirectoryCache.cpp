#include "platform/DirectoryCache.h"

#include <algorithm>

#include "platform/AsciiCase.h"
#include "platform/HostDirectory.h"
#include "platform/HostPath.h"

namespace platform {

namespace {

std::string LowerAscii(std::string_view name) {
    std::string lower(name);
    for (char& c : lower) {
        c = ToLowerAscii(c);
    }
    return lower;
}

const std::vector<std::string> kNoMatches;

// "dir/" and "dir" are one directory and share one listing; a root keeps its '/'.
std::string Key(const std::string& directory) {
    std::string key = directory;
    while (key.size() > std::max<std::size_t>(1, HostRootLength(key)) && key.back() == '/') {
        key.pop_back();
    }
    return key;
}

}  // namespace

CDirectoryCache::CListing& CDirectoryCache::Listing(const std::string& path) {
    const std::string directory = Key(path);
    const auto found = m_listings.find(directory);
    if (found != m_listings.end()) {
        return found->second;
    }
    CListing& listing = m_listings[directory];
    for (std::string& name : ListHostDirectory(directory.empty() ? "." : directory)) {
        std::string lower = LowerAscii(name);
        listing[std::move(lower)].push_back(std::move(name));
    }
    // The system's order depends on the file system; name order does not.
    for (auto& [lower, names] : listing) {
        std::sort(names.begin(), names.end());
    }
    return listing;
}

const std::vector<std::string>& CDirectoryCache::MatchesIgnoringCase(const std::string& directory,
                                                                     std::string_view name) {
    const CListing& listing = Listing(directory);
    const auto found = listing.find(LowerAscii(name));
    return found == listing.end() ? kNoMatches : found->second;
}

void CDirectoryCache::Add(const std::string& directory, const std::string& name) {
    const auto found = m_listings.find(Key(directory));
    if (found == m_listings.end()) {
        return;
    }
    std::vector<std::string>& names = found->second[LowerAscii(name)];
    const auto place = std::lower_bound(names.begin(), names.end(), name);
    if (place == names.end() || *place != name) {
        names.insert(place, name);
    }
}

}  // namespace platform
