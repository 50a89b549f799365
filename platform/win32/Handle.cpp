#include "platform/win32/Handle.h"

#include <windows.h>

namespace platform::win32 {

void CHandle::Reset(void* handle) {
    if (IsOpen()) {
        ::CloseHandle(m_handle);
    }
    m_handle = handle;
}

}  // namespace platform::win32
