#pragma once

#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace platform {

// Directory listings kept for the letter-case lookups of one operation. Finding a
// name ignoring case means reading the whole directory; an operation that creates
// thousands of files in one directory reads it once and tells the cache about each
// file it adds, rather than reading it again for every file.
class CDirectoryCache {
public:
    // The entries of the host directory `directory` ("" for the current one) that
    // equal `name` ignoring ASCII case, in name order; empty when there are none or
    // the directory cannot be read.
    const std::vector<std::string>& MatchesIgnoringCase(const std::string& directory,
                                                        std::string_view name);

    // Records that `name` now exists in `directory`, when that directory is cached.
    void Add(const std::string& directory, const std::string& name);

private:
    // Per directory: the entries by their lower-case name.
    using CListing = std::unordered_map<std::string, std::vector<std::string>>;
    CListing& Listing(const std::string& directory);

    std::unordered_map<std::string, CListing> m_listings;
};

}  // namespace platform
