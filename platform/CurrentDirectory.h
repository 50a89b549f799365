#pragma once

#include <string>

namespace platform {

// The process's current directory in Windows form; empty when it cannot be read
// (removed meanwhile) or lies on no mapped drive.
std::string CurrentDirectory();

// Makes `path` (Windows form, relative paths allowed; "\" is the root of the
// current drive) the current directory. False when it is no directory one can enter.
bool ChangeCurrentDirectory(const std::string& path);

}  // namespace platform
