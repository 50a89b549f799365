#include "platform/ProcessStart.h"

#include <windows.h>

namespace platform {

void InitializeProcess() {
    // A drive without its medium, or a file the system cannot read, is reported to the
    // caller of the failing call, never in a window of the system's that waits for a
    // person no unattended run has.
    ::SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOOPENFILEERRORBOX | SEM_NOGPFAULTERRORBOX);
}

}  // namespace platform
