#pragma once

namespace platform {

// The terminal a program without windows runs in, and the signals by which a person
// or a service manager asks it to stop.

// True when standard error is a terminal: a progress line that redraws itself is for
// a person watching, never for a log file or a pipe.
bool StandardErrorIsTerminal();

// From now on SIGINT and SIGTERM only note the request; the program stops at a point
// of its own choosing, where stopping leaves nothing half done.
void CatchInterrupts();

// Whether SIGINT or SIGTERM arrived since CatchInterrupts.
bool InterruptRequested();

}  // namespace platform
