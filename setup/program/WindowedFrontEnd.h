#pragma once

#include "setup/engine/UninstallRun.h"

namespace setup {

// The installer with windows: loads them from the module beside the program and runs
// them with the command line `argc`, `argv` (installing, or the uninstall the command
// line asked for in `uninstall`), returning their exit status. When the module or a
// library it needs cannot be loaded, says so in one line that names what is missing
// and points to --unattended, and returns the usage status.
int RunWithWindows(int argc, char** argv, const CUninstallRequest& uninstall);

}  // namespace setup
