#include "platform/KnownFolder.h"

#include <windows.h>
#include <knownfolders.h>
#include <shlobj.h>

#include "platform/win32/WideString.h"

namespace platform {

namespace {

// The folder's host path as the shell gives it, created when `create` is set; empty
// when the shell has none.
std::string KnownFolderPath(REFKNOWNFOLDERID id, bool create) {
    wchar_t* path = nullptr;
    const HRESULT result = ::SHGetKnownFolderPath(id, create ? DWORD{KF_FLAG_CREATE} : DWORD{0}, nullptr, &path);
    std::string host = SUCCEEDED(result) ? win32::HostPathOf(path) : std::string();
    ::CoTaskMemFree(path);
    while (host.size() > 3 && host.back() == '/') {
        host.pop_back();
    }
    return host;
}

}  // namespace

std::string GetSpecialFolderPath(int folder, bool create) {
    switch (folder) {
        case kFolderPrograms:
            // The Programs folder of the user's Start menu.
            return KnownFolderPath(FOLDERID_Programs, create);
        case kFolderDesktop:
            return KnownFolderPath(FOLDERID_Desktop, create);
        default:
            return {};
    }
}

std::string GetUserDataFolder(const std::string& name, bool create) {
    const std::string data = KnownFolderPath(FOLDERID_LocalAppData, create);
    if (data.empty()) {
        return {};
    }
    const std::string folder = data + "/" + name;
    if (create && !::CreateDirectoryW(win32::WidePath(folder).c_str(), nullptr) &&
        ::GetLastError() != ERROR_ALREADY_EXISTS) {
        return {};
    }
    return folder;
}

}  // namespace platform
