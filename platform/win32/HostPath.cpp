#include "platform/HostPath.h"

#include <windows.h>

#include <vector>

#include "platform/win32/WideString.h"

namespace platform {

std::size_t HostRootLength(std::string_view path) {
    const bool letter = path.size() >= 3 && ((path[0] >= 'A' && path[0] <= 'Z') ||
                                             (path[0] >= 'a' && path[0] <= 'z'));
    return letter && path[1] == ':' && (path[2] == '/' || path[2] == '\\') ? 3 : 0;
}

bool NamesHostPathOnly(std::string_view) {
    return false;
}

std::string ShownHostPath(std::string_view hostPath) {
    std::string shown(hostPath);
    for (char& c : shown) {
        c = c == '/' ? '\\' : c;
    }
    return shown;
}

std::string HostCurrentDirectory() {
    std::vector<wchar_t> buffer(MAX_PATH);
    for (;;) {
        const DWORD length = ::GetCurrentDirectoryW(static_cast<DWORD>(buffer.size()), buffer.data());
        if (length == 0) {
            return {};
        }
        if (length < buffer.size()) {
            std::string host = win32::HostPathOf(std::wstring_view(buffer.data(), length));
            // The root keeps its separator; every other level goes without one.
            while (host.size() > 3 && host.back() == '/') {
                host.pop_back();
            }
            return host;
        }
        buffer.resize(length);
    }
}

bool ChangeHostCurrentDirectory(const std::string& path) {
    return ::SetCurrentDirectoryW(win32::WidePath(path).c_str()) != 0;
}

}  // namespace platform
