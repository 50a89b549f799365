#include "platform/win32/WriteAll.h"

#include <windows.h>

#include "platform/win32/FileSystemCalls.h"

namespace platform::win32 {

bool WriteAll(void* file, std::string_view bytes) {
    while (!bytes.empty()) {
        // One call takes at most a DWORD's worth; a gigabyte at a time stays well below.
        const unsigned long count =
            bytes.size() > (1u << 30) ? (1u << 30) : static_cast<unsigned long>(bytes.size());
        unsigned long written = 0;
        if (!FileSystemCalls().m_pWrite(file, bytes.data(), count, &written)) {
            return false;
        }
        if (written == 0) {
            ::SetLastError(ERROR_WRITE_FAULT);  // no progress and no error: never loop on it
            return false;
        }
        bytes.remove_prefix(written);
    }
    return true;
}

}  // namespace platform::win32
