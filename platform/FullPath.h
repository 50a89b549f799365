#pragma once

#include <string>

namespace platform {

// The longest full path the installer handles, terminator included. A result that
// needs this many characters or more is refused, as the original platform does.
constexpr std::size_t kMaxFullPath = 260;

// Resolves `path` (Windows form) into a full path by the rules of
// AbsoluteWindowsPath. Fails, leaving `fullPath` untouched, when the path cannot be
// resolved or the result would need kMaxFullPath characters or more.
bool ResolveFullPath(const std::string& path, std::string& fullPath);

}  // namespace platform
