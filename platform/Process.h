#pragma once

#include <string>

namespace platform {

// Starts the program at the host path `program` in the host directory
// `workingDirectory`, without a shell and without waiting for it. `commandLine` is
// the line it was named by: its first piece is the program, and the rest are the
// arguments by the rules of CommandLine.h. On POSIX the line is split and the
// arguments are passed with the program's own path in front of them; on Win32 the
// program gets its quoted path followed by the rest of the line unchanged, which its
// run-time splits by the same rules. True once the program is running; false when it
// could not be started (missing, not executable, directory not enterable, ...).
//
// The program is detached from the caller: it is not the caller's child, so it
// leaves no zombie behind whether it ends at once or runs on; it runs in a session
// of its own; it inherits the environment but none of the caller's open files, with
// its standard input and output on the null device, like a program started from a
// desktop rather than from the installer's terminal. On Win32 it gets no console
// window of its own and no handles of the caller's.
bool StartDetachedProcess(const std::string& program, const std::string& commandLine,
                          const std::string& workingDirectory);

}  // namespace platform
