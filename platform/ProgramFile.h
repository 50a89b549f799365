#pragma once

#include <string>

namespace platform {

// The extension the file of a program needs for the system to start it: ".exe" on
// Win32, none on POSIX.
#ifdef _WIN32
inline constexpr const char* kProgramExtension = ".exe";
#else
inline constexpr const char* kProgramExtension = "";
#endif

// Whether the system's libraries loaded at run time are ".dll" files (Win32) rather
// than ".so" ones (POSIX).
#ifdef _WIN32
inline constexpr bool kModulesAreDlls = true;
#else
inline constexpr bool kModulesAreDlls = false;
#endif

// `path` with the extension of its file name replaced by `extension` (".txt"), or
// `extension` appended when the file name has none. Only the last path component
// is looked at: a dot in a directory name (`~/.local/bin`, `/opt/app-1.2`) is never
// taken for an extension, nor is the leading dot of a hidden file's name. Both '/'
// and '\' separate components, so Windows-style paths give the same answer.
std::string ReplaceFileExtension(const std::string& path, const std::string& extension);

// The file named after the running program with `extension`: the dictionary and its
// backup beside the game, whatever the current directory.
std::string ProgramRelativePath(const std::string& extension);

// The file of that name in `folder`, a folder given relative to the program's own:
// the data folder of an installation that keeps data apart from programs (for a
// program in /usr/games, "../share/games/lettrino"). The "." and ".." steps are taken
// out, so that messages name a plain path.
std::string ProgramDataPath(const std::string& folder, const std::string& extension);

}  // namespace platform
