#pragma once

#include <string>

namespace platform {

// Paths in the installer's Windows form ("C:\GAMES\WORDGAME") and their host
// counterparts, through the drive map of DriveMap.h. Wherever a Windows path is
// accepted, '/' is taken as a separator like '\' and the drive letter may be in
// either case. A path that starts with two separators (a network name) has no
// counterpart here and is refused.
// A host file name that itself holds a backslash cannot be told apart from two
// names in Windows form; such names are not expected in what the installer handles.

// `path` made absolute in Windows form without consulting the file system:
// relative to the current directory, "\..." relative to the root of the current
// drive, "X:..." (no separator) relative to the current directory when X is the
// current drive and to X's root otherwise; "." and ".." components and repeated
// separators are resolved ("..", at the root, stays there), a trailing separator is
// kept, an empty path gives the current directory and the drive letter is made
// upper case. No length limit applies. Empty on failure.
std::string AbsoluteWindowsPath(const std::string& path);

// The host path that the Windows path `path` names: absolute, each existing
// component in the letter case found on disk (see PathCase.h), new components as
// given. Empty when the path cannot be made absolute or its drive is not mapped.
std::string ToHostPath(const std::string& path);

// The host path that `path` names with every component exactly as written, no
// letter-case lookup: for removing exactly what a recorded path names and never
// another file that differs from it in case only.
std::string ToHostPathAsNamed(const std::string& path);

// The shortest Windows form of the host path `hostPath` among the mapped drives
// (under the home directory C:\..., elsewhere Z:\...). A relative host path is taken
// relative to the current directory. Empty when no mapped drive holds it.
std::string ToWindowsPath(const std::string& hostPath);

// The running program's full path in Windows form (empty when no drive holds it).
std::string WindowsProgramPath();

}  // namespace platform
