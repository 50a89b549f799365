#pragma once

#include <string>

namespace platform {

// The full host path of the running program's file. Tests may override it so that
// the files a program keeps beside itself are looked for in a folder of theirs.
std::string ProgramPath();

// Makes ProgramPath() return `path`; an empty text returns to the real path.
void OverrideProgramPath(std::string path);

}  // namespace platform
