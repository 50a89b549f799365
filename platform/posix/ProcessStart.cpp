#include "platform/ProcessStart.h"

#include <signal.h>

namespace platform {

void InitializeProcess() {
    struct sigaction action {};
    action.sa_handler = SIG_IGN;
    sigemptyset(&action.sa_mask);
    ::sigaction(SIGXFSZ, &action, nullptr);
}

}  // namespace platform
