#pragma once

#include <optional>

#include "setup/engine/UninstallRun.h"

namespace setup {

// The installer's front end without windows. Reads the command line before anything
// of the windowing toolkit exists: for --help, --version, --unattended and for a
// usage error it does the whole work here and gives the exit status; for a command
// line without options it gives nothing, and the program opens its windows. So it
// does for --uninstall without --unattended, after filling `windowedUninstall` with
// the uninstall that the windows are to run.
std::optional<int> RunWithoutWindows(int argc, const char* const* argv,
                                     CUninstallRequest* windowedUninstall = nullptr);

}  // namespace setup
