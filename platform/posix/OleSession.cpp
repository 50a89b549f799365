#include "platform/OleSession.h"

namespace platform {

// Components on POSIX are shared libraries that need no library of the system started
// before their entry point is called.
COleSession::COleSession() = default;

COleSession::~COleSession() = default;

}  // namespace platform
