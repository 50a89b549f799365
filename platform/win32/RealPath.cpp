#include "platform/RealPath.h"

#include <windows.h>

#include "platform/win32/Handle.h"
#include "platform/win32/WideString.h"

namespace platform {

std::string RealPath(const std::string& hostPath) {
    const win32::CHandle file(::CreateFileW(win32::WidePath(hostPath).c_str(), 0,
                                            FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                            nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS,
                                            nullptr));
    if (!file.IsOpen()) {
        return {};
    }
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length = ::GetFinalPathNameByHandleW(
            file.Get(), path.data(), static_cast<DWORD>(path.size()), FILE_NAME_NORMALIZED);
        if (length == 0) {
            return {};
        }
        if (length < path.size()) {
            path.resize(length);
            return win32::HostPathOf(path);
        }
        path.resize(length);
    }
}

}  // namespace platform
