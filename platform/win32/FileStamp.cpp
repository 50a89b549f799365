#include "platform/FileStamp.h"

#include <windows.h>

#include "platform/win32/Handle.h"
#include "platform/win32/WideString.h"

namespace platform {

namespace {

// File times count 100 ns from 1601; the stamps count nanoseconds on that clock.
std::int64_t Nanoseconds(std::int64_t ticks) {
    return ticks * 100;
}

}  // namespace

bool GetFileStamp(const std::string& path, CFileStamp& stamp) {
    const win32::CHandle file(::CreateFileW(win32::WidePath(path).c_str(), FILE_READ_ATTRIBUTES,
                                            FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                            nullptr, OPEN_EXISTING, 0, nullptr));
    BY_HANDLE_FILE_INFORMATION info;
    FILE_BASIC_INFO basic;
    if (!file.IsOpen() || !::GetFileInformationByHandle(file.Get(), &info) ||
        (info.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0 ||
        !::GetFileInformationByHandleEx(file.Get(), FileBasicInfo, &basic, sizeof basic)) {
        return false;
    }
    stamp.m_nDevice = info.dwVolumeSerialNumber;
    stamp.m_nInode = (static_cast<std::uint64_t>(info.nFileIndexHigh) << 32) | info.nFileIndexLow;
    stamp.m_nSize = static_cast<std::int64_t>((static_cast<std::uint64_t>(info.nFileSizeHigh) << 32) |
                                              info.nFileSizeLow);
    stamp.m_nModified = Nanoseconds(basic.LastWriteTime.QuadPart);
    stamp.m_nChanged = Nanoseconds(basic.ChangeTime.QuadPart);
    return true;
}

std::int64_t FileClockNow() {
    FILETIME now;
    ::GetSystemTimePreciseAsFileTime(&now);
    return Nanoseconds(static_cast<std::int64_t>((static_cast<std::uint64_t>(now.dwHighDateTime) << 32) |
                                                 now.dwLowDateTime));
}

}  // namespace platform
