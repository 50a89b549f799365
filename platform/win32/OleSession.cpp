#include "platform/OleSession.h"

#include <windows.h>
#include <ole2.h>

namespace platform {

COleSession::COleSession() : m_bStarted(SUCCEEDED(::OleInitialize(nullptr))) {}

COleSession::~COleSession() {
    // Every successful start, S_FALSE for one already made included, has its end.
    if (m_bStarted) {
        ::OleUninitialize();
    }
}

}  // namespace platform
