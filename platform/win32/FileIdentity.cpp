#include "platform/FileIdentity.h"

#include <windows.h>

#include <vector>

#include "platform/AsciiCase.h"
#include "platform/HostPath.h"
#include "platform/win32/Handle.h"
#include "platform/win32/WideString.h"

namespace platform {

namespace {

struct SIdentity {
    bool bFound = false;
    DWORD volume = 0;
    std::uint64_t index = 0;
    // The components below the nearest existing ancestor, outermost first.
    std::vector<std::string> rest;
};

std::vector<std::string> Components(std::string_view path) {
    std::vector<std::string> components;
    std::string current;
    for (const char c : path) {
        if (c == '/' || c == '\\') {
            if (!current.empty() && current != ".") {
                components.push_back(current);
            }
            current.clear();
        } else {
            // Names are found in any letter case: the rests compare in one.
            current += ToUpperAscii(c);
        }
    }
    if (!current.empty() && current != ".") {
        components.push_back(current);
    }
    return components;
}

std::string Join(const std::string& root, const std::vector<std::string>& components,
                 std::size_t count) {
    std::string path = root;
    for (std::size_t i = 0; i < count; ++i) {
        path += (i > 0 ? "/" : "") + components[i];
    }
    return path.empty() ? "." : path;
}

// The volume and file index of what `path` names, followed through links as the
// system reaches it; false when nothing is there.
bool Identify(const std::string& path, DWORD& volume, std::uint64_t& index) {
    const win32::CHandle file(::CreateFileW(win32::WidePath(path).c_str(), 0,
                                            FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                            nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS,
                                            nullptr));
    BY_HANDLE_FILE_INFORMATION info;
    if (!file.IsOpen() || !::GetFileInformationByHandle(file.Get(), &info)) {
        return false;
    }
    volume = info.dwVolumeSerialNumber;
    index = (static_cast<std::uint64_t>(info.nFileIndexHigh) << 32) | info.nFileIndexLow;
    return true;
}

SIdentity IdentityOf(const std::string& path) {
    SIdentity identity;
    if (path.empty()) {
        return identity;
    }
    const std::size_t rootLength = HostRootLength(path);
    const std::string root = rootLength == 0 ? std::string() : path.substr(0, 2) + "/";
    const std::vector<std::string> components = Components(path.substr(rootLength));
    // From the whole path towards the root: the first level that exists anchors it.
    for (std::size_t count = components.size() + 1; count-- > 0;) {
        if (Identify(Join(root, components, count), identity.volume, identity.index)) {
            identity.bFound = true;
            identity.rest.assign(components.begin() + static_cast<std::ptrdiff_t>(count),
                                 components.end());
            return identity;
        }
    }
    return identity;
}

}  // namespace

bool SameFileOrDirectory(const std::string& a, const std::string& b) {
    const SIdentity first = IdentityOf(a);
    const SIdentity second = IdentityOf(b);
    return first.bFound && second.bFound && first.volume == second.volume &&
           first.index == second.index && first.rest == second.rest;
}

}  // namespace platform
