#pragma once

#include <string>

namespace platform {

// Creating a directory tells an existing name apart from every other failure: the
// installer walks a path creating each level and goes on past levels that exist.
enum class MakeDirectoryResult {
    kCreated,
    kAlreadyExists,  // a directory, a file or any other entry of that name
    kFailed,         // refused, parent missing or not a directory, name too long, ...
};

// Creates the directory `path` (Windows form; a trailing separator is allowed). When
// it is created and `created` is given, that receives the directory in Windows form
// with each level in the letter case it has on disk, which names exactly the new
// directory and no other that differs from it in case only.
MakeDirectoryResult MakeDirectory(const std::string& path, std::string* created = nullptr);

// True when `path` (Windows form) names an existing directory.
bool IsDirectory(const std::string& path);

// Removes the directory `path` (Windows form) only when it is empty. A drive's root
// is never removed.
bool RemoveEmptyDirectory(const std::string& path);

}  // namespace platform
