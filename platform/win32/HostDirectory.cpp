#include "platform/HostDirectory.h"

#include <windows.h>

#include "platform/win32/WideString.h"

namespace platform {

std::vector<std::string> ListHostDirectory(const std::string& directory) {
    std::vector<std::string> names;
    std::wstring pattern = win32::WidePath(directory);
    if (!pattern.empty() && pattern.back() != L'\\') {
        pattern += L'\\';
    }
    pattern += L'*';
    WIN32_FIND_DATAW entry;
    const HANDLE find =
        ::FindFirstFileExW(pattern.c_str(), FindExInfoBasic, &entry, FindExSearchNameMatch, nullptr, 0);
    if (find == INVALID_HANDLE_VALUE) {
        return names;
    }
    do {
        const std::wstring_view name = entry.cFileName;
        if (name != L"." && name != L"..") {
            names.push_back(win32::Narrow(name));
        }
    } while (::FindNextFileW(find, &entry));
    ::FindClose(find);
    return names;
}

}  // namespace platform
