#pragma once

#include <string>

namespace platform {

// The programs were written for a file system that ignores letter case. For every
// component of the host path `path` that does not exist with the exact case given,
// this takes an existing directory entry that matches it ignoring ASCII case (the
// first in name order when several do). Components from the first one that matches
// nothing onwards are kept as given, so a new file or directory is created with the
// case the user typed. A relative path is resolved against the current directory
// but returned relative.
std::string ResolveExistingCase(const std::string& path);

}  // namespace platform
