#include "platform/DriveTable.h"

#include <windows.h>

#include "platform/win32/WideString.h"

namespace platform {

// Each drive the system has stands for its own root.
CDriveTable DefaultDriveTable() {
    CDriveTable table;
    const DWORD drives = ::GetLogicalDrives();
    for (int slot = 0; slot < 26; ++slot) {
        if ((drives & (1u << slot)) != 0) {
            table[slot] = std::string{static_cast<char>('A' + slot), ':', '/'};
        }
    }
    return table;
}

// The full form of a folder a test maps a letter to, so that it compares with the
// paths the system reports.
std::string DriveRootForm(const std::string& hostDirectory) {
    const std::wstring wide = win32::WidePath(hostDirectory);
    std::wstring full(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length =
            ::GetFullPathNameW(wide.c_str(), static_cast<DWORD>(full.size()), full.data(), nullptr);
        if (length == 0) {
            return hostDirectory;
        }
        if (length < full.size()) {
            full.resize(length);
            break;
        }
        full.resize(length);
    }
    std::string host = win32::HostPathOf(full);
    while (host.size() > 3 && host.back() == '/') {
        host.pop_back();
    }
    return host;
}

}  // namespace platform
