#include "platform/Shortcut.h"

#include <windows.h>
#include <objbase.h>
#include <objidl.h>
#include <shlguid.h>
#include <shobjidl.h>

#include "platform/AsciiCase.h"
#include "platform/KnownFolder.h"
#include "platform/WindowsPath.h"
#include "platform/win32/WideString.h"

namespace platform {

namespace {

constexpr std::string_view kLinkExtension = ".lnk";

// COM on the calling thread for the shortcut's call, when nobody started it before.
class CComScope {
public:
    CComScope() : m_result(::CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)) {}
    ~CComScope() {
        if (SUCCEEDED(m_result)) {
            ::CoUninitialize();
        }
    }
    CComScope(const CComScope&) = delete;
    CComScope& operator=(const CComScope&) = delete;

private:
    HRESULT m_result;
};

// Releases a COM interface when it goes.
template <typename T>
class CReleasing {
public:
    ~CReleasing() {
        if (m_p != nullptr) {
            m_p->Release();
        }
    }
    T** Out() { return &m_p; }
    T* operator->() const { return m_p; }
    explicit operator bool() const { return m_p != nullptr; }

private:
    T* m_p = nullptr;
};

// Writes the shell link to `target` as the file `path`: first under a name of its
// own beside it, then renamed over `path`, so that the menu shows the old shortcut or
// the complete new one, never half of one.
bool SaveLink(const std::wstring& target, const std::wstring& workingDirectory,
              const std::wstring& description, const std::wstring& path) {
    CReleasing<IShellLinkW> link;
    if (FAILED(::CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkW,
                                  reinterpret_cast<void**>(link.Out())))) {
        return false;
    }
    link->SetPath(target.c_str());
    link->SetWorkingDirectory(workingDirectory.c_str());
    link->SetDescription(description.c_str());
    CReleasing<IPersistFile> file;
    if (FAILED(link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(file.Out())))) {
        return false;
    }
    const std::wstring temporary = path + L".~new-" + std::to_wstring(::GetCurrentProcessId());
    if (FAILED(file->Save(temporary.c_str(), TRUE))) {
        ::DeleteFileW(temporary.c_str());
        return false;
    }
    if (!::MoveFileExW(temporary.c_str(), path.c_str(),
                       MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        ::DeleteFileW(temporary.c_str());
        return false;
    }
    return true;
}

}  // namespace

std::string LauncherFileName(const std::string& linkName) {
    // Only the name part counts: it keeps the shortcut inside its folder whatever the
    // value holds. A name of dots alone ("." or "..") names no file.
    const std::size_t separator = linkName.find_last_of("/\\");
    const std::string fileName =
        separator == std::string::npos ? linkName : linkName.substr(separator + 1);
    if (fileName.empty() || fileName.front() == '.' || fileName.find(':') != std::string::npos) {
        return {};
    }
    return fileName;
}

bool IsLauncherFileName(const std::string& name) {
    return name.size() > kLinkExtension.size() &&
           EqualsIgnoringAsciiCase(std::string_view(name).substr(name.size() - kLinkExtension.size()),
                                   kLinkExtension);
}

bool IsLauncherFolder(const std::string& hostFolder) {
    for (const int special : {kFolderPrograms, kFolderDesktop}) {
        const std::string path = GetSpecialFolderPath(special, false);
        if (!path.empty() && EqualsIgnoringAsciiCase(path, hostFolder)) {
            return true;
        }
    }
    return false;
}

std::string CreateShortcut(const std::string& target, const std::string& linkName,
                           const std::string& workingDirectory, const std::string& description,
                           int folder, const std::string& /*categories*/) {
    // Without its folder the shortcut would land wherever the bare name points.
    const std::string folderPath = GetSpecialFolderPath(folder, true);
    const std::string fileName = LauncherFileName(linkName);
    const std::string program = ToHostPath(target);
    const std::string directory = ToHostPath(workingDirectory);
    if (folderPath.empty() || fileName.empty() || program.empty() || directory.empty()) {
        return {};
    }
    const CComScope com;
    const std::string path = folderPath + "/" + fileName;
    return SaveLink(win32::WidePath(program), win32::WidePath(directory), win32::Wide(description),
                    win32::WidePath(path))
               ? path
               : std::string();
}

}  // namespace platform
