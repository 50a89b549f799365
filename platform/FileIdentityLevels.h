#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace platform {

// What the comparison of FileIdentity.h asks of each system (posix/ and
// win32/FileIdentity.cpp): how a path falls into levels, and the identity of what an
// existing path names. Walking up to the nearest existing ancestor and comparing
// are the same everywhere (FileIdentity.cpp).

// A host path as its root ("/", "C:/"; empty for a relative path) and the names of
// its levels below it, outermost first, without "." and in the form in which two
// names of one level compare equal.
struct CPathLevels {
    std::string m_strRoot;
    std::vector<std::string> m_levels;
};
CPathLevels SplitIntoLevels(const std::string& path);

// The file system's identity of what `path` names, followed through links as the
// system reaches it (device and inode; volume serial number and file index); false
// when nothing is there.
bool IdentifyFile(const std::string& path, std::uint64_t& device, std::uint64_t& inode);

}  // namespace platform
