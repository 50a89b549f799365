#pragma once

#include <string>
#include <vector>

namespace platform {

// Starts the program at the host path `program` with `arguments` (the program's own
// name is passed in front of them) in the host directory `workingDirectory`, without
// a shell and without waiting for it. True once the program is running; false when
// it could not be started (missing, not executable, directory not enterable, ...).
//
// The program is detached from the caller: it is not the caller's child, so it
// leaves no zombie behind whether it ends at once or runs on; it runs in a session
// of its own; it inherits the environment but none of the caller's open files, with
// its standard input and output on the null device, like a program started from a
// desktop rather than from the installer's terminal.
bool StartDetachedProcess(const std::string& program, const std::vector<std::string>& arguments,
                          const std::string& workingDirectory);

}  // namespace platform
