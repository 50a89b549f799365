#pragma once

#include <optional>

namespace setup {

// The installer's front end without windows. Reads the command line before anything
// of the windowing toolkit exists: for --help, --version, --unattended and for a
// usage error it does the whole work here and gives the exit status; for a command
// line without options it gives nothing, and the program opens its windows.
std::optional<int> RunWithoutWindows(int argc, const char* const* argv);

}  // namespace setup
