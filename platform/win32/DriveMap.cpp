#include "platform/DriveMap.h"

#include <windows.h>

#include <array>

#include "platform/win32/WideString.h"

namespace platform {

namespace {

int SlotOf(char letter) {
    if (letter >= 'a' && letter <= 'z') {
        return letter - 'a';
    }
    if (letter >= 'A' && letter <= 'Z') {
        return letter - 'A';
    }
    return -1;
}

using CDriveTable = std::array<std::string, 26>;

CDriveTable DefaultTable() {
    CDriveTable table;
    const DWORD drives = ::GetLogicalDrives();
    for (int slot = 0; slot < 26; ++slot) {
        if ((drives & (1u << slot)) != 0) {
            table[slot] = std::string{static_cast<char>('A' + slot), ':', '/'};
        }
    }
    return table;
}

CDriveTable& Table() {
    static CDriveTable table = DefaultTable();
    return table;
}

// The full form of a folder a test maps a letter to, so that it compares with the
// paths the system reports.
std::string FullHostPath(const std::string& hostDirectory) {
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

}  // namespace

std::string DriveRoot(char letter) {
    const int slot = SlotOf(letter);
    return slot < 0 ? std::string() : Table()[slot];
}

std::vector<char> MappedDrives() {
    std::vector<char> letters;
    for (int slot = 0; slot < 26; ++slot) {
        if (!Table()[slot].empty()) {
            letters.push_back(static_cast<char>('A' + slot));
        }
    }
    return letters;
}

void MapDrive(char letter, const std::string& hostDirectory) {
    const int slot = SlotOf(letter);
    if (slot >= 0) {
        Table()[slot] = hostDirectory.empty() ? std::string() : FullHostPath(hostDirectory);
    }
}

void ResetDriveMap() {
    Table() = DefaultTable();
}

}  // namespace platform
