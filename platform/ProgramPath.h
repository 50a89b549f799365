#pragma once

#include <string>

namespace platform {

// The full host path of the running program's file. Tests may override it so that
// the files a program keeps beside itself are looked for in a folder of theirs.
std::string ProgramPath();

// Makes ProgramPath() return `path`; an empty text returns to the real path.
void OverrideProgramPath(std::string path);

// The path the system itself reports for the running program's file, asked anew at
// each call; empty when it cannot tell. ProgramPath() asks once and keeps the answer.
// The system's part (posix/ and win32/ProgramPath.cpp), as MoveProgramFileAside is.
std::string SystemProgramPath();

// Moves the running program's own file out of its folder, so that the folder can go
// while the program still runs. On Win32 the file of a running program cannot be
// removed, only renamed: it goes to the system's temporary folder, to be removed when
// the system next starts where the user may ask for that, else by the system's
// clean-up of that folder. False when it could not be moved (it lies on another
// volume), and on POSIX, where a running program's file is removed like any other.
bool MoveProgramFileAside();

}  // namespace platform
