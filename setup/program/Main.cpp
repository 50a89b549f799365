// The installer's entry point. The command line decides the front end: without
// windows (--unattended, --help, --version, a usage error) the program does the
// whole work itself and needs no display; only for windows does it load their
// module, and with it the GUI toolkit.
#include "setup/console/ConsoleFrontEnd.h"
#include "setup/program/WindowedFrontEnd.h"

int main(int argc, char* argv[]) {
    setup::CUninstallRequest uninstall;
    if (const std::optional<int> status = setup::RunWithoutWindows(argc, argv, &uninstall)) {
        return *status;
    }
    return setup::RunWithWindows(argc, argv, uninstall);
}
