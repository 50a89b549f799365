#pragma once

#include <string>

namespace platform {

// Whether the host paths `a` and `b` name the same file or directory. One folder has
// many spellings on a POSIX file system (a symbolic link, a path through another
// mount of the same tree), so the file system's own identity of each (device and
// inode) is compared, not the text. A path that does not exist yet is taken as its
// nearest existing ancestor followed by the rest of its path: two such paths are the
// same when their ancestors are and the rests are equal. Empty paths name nothing.
bool SameFileOrDirectory(const std::string& a, const std::string& b);

}  // namespace platform
