#include "platform/Console.h"

#include <signal.h>
#include <unistd.h>

namespace platform {

namespace {

volatile sig_atomic_t g_interrupted = 0;

extern "C" void NoteInterrupt(int) {
    g_interrupted = 1;
}

}  // namespace

bool StandardErrorIsTerminal() {
    return ::isatty(STDERR_FILENO) == 1;
}

void CatchInterrupts() {
    struct sigaction action {};
    action.sa_handler = NoteInterrupt;
    sigemptyset(&action.sa_mask);
    // Restarted calls: a copy under way is finished, the stop comes between files.
    action.sa_flags = SA_RESTART;
    ::sigaction(SIGINT, &action, nullptr);
    ::sigaction(SIGTERM, &action, nullptr);
}

bool InterruptRequested() {
    return g_interrupted != 0;
}

}  // namespace platform
