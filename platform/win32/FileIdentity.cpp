#include "platform/FileIdentityLevels.h"

#include <windows.h>

#include "platform/AsciiCase.h"
#include "platform/HostPath.h"
#include "platform/win32/Handle.h"
#include "platform/win32/WideString.h"

namespace platform {

CPathLevels SplitIntoLevels(const std::string& path) {
    CPathLevels split;
    const std::size_t rootLength = HostRootLength(path);
    if (rootLength != 0) {
        split.m_strRoot = path.substr(0, 2) + "/";
    }
    std::string current;
    for (const char c : std::string_view(path).substr(rootLength)) {
        if (c == '/' || c == '\\') {
            if (!current.empty() && current != ".") {
                split.m_levels.push_back(current);
            }
            current.clear();
        } else {
            // Names are found in any letter case: the rests compare in one.
            current += ToUpperAscii(c);
        }
    }
    if (!current.empty() && current != ".") {
        split.m_levels.push_back(current);
    }
    return split;
}

bool IdentifyFile(const std::string& path, std::uint64_t& device, std::uint64_t& inode) {
    const win32::CHandle file(::CreateFileW(win32::WidePath(path).c_str(), 0,
                                            FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                            nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS,
                                            nullptr));
    BY_HANDLE_FILE_INFORMATION info;
    if (!file.IsOpen() || !::GetFileInformationByHandle(file.Get(), &info)) {
        return false;
    }
    device = info.dwVolumeSerialNumber;
    inode = (static_cast<std::uint64_t>(info.nFileIndexHigh) << 32) | info.nFileIndexLow;
    return true;
}

}  // namespace platform
