#include "platform/FileCopy.h"

#include <windows.h>

#include "platform/win32/WideString.h"

namespace platform {

std::uint64_t RegularFileSize(const std::string& hostPath) {
    WIN32_FILE_ATTRIBUTE_DATA data;
    if (hostPath.empty() ||
        !::GetFileAttributesExW(win32::WidePath(hostPath).c_str(), GetFileExInfoStandard, &data) ||
        (data.dwFileAttributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_DEVICE)) != 0) {
        return 0;
    }
    return (static_cast<std::uint64_t>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
}

}  // namespace platform
