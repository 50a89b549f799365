#pragma once

#include <string>

namespace platform {

// `path` with the extension of its file name replaced by `extension` (".txt"), or
// `extension` appended when the file name has none. Only the last path component
// is looked at: a dot in a directory name (`~/.local/bin`, `/opt/app-1.2`) is never
// taken for an extension, nor is the leading dot of a hidden file's name. Both '/'
// and '\' separate components, so Windows-style paths give the same answer.
std::string ReplaceFileExtension(const std::string& path, const std::string& extension);

// The file named after the running program with `extension`: the dictionary and its
// backup beside the game, whatever the current directory.
std::string ProgramRelativePath(const std::string& extension);

}  // namespace platform
