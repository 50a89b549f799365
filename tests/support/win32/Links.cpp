#include "tests/support/Links.h"

#include <windows.h>

#include <stdexcept>
#include <string>

namespace testing_support {

namespace {

using CUnixName = char*(__cdecl*)(const wchar_t*);

// Wine's own export that gives the host's name of a Windows path; none on Windows.
CUnixName WineUnixName() {
    static const auto function = reinterpret_cast<CUnixName>(
        reinterpret_cast<void*>(::GetProcAddress(::GetModuleHandleW(L"kernel32"), "wine_get_unix_file_name")));
    return function;
}

std::string UnixName(const std::filesystem::path& path) {
    char* name = WineUnixName()(std::filesystem::absolute(path).wstring().c_str());
    if (name == nullptr) {
        throw std::runtime_error("no host name for " + path.string());
    }
    std::string result = name;
    ::HeapFree(::GetProcessHeap(), 0, name);
    return result;
}

// Wine runs a program's own code on the host's kernel, so a system call of the host's
// does there what no call of Wine's can: make a host's symbolic link, remove one.
long HostSystemCall(long number, const char* first, const char* second) {
    long result;
    asm volatile("syscall"
                 : "=a"(result)
                 : "a"(number), "D"(first), "S"(second)
                 : "rcx", "r11", "memory");
    return result;
}
constexpr long kHostUnlink = 87;   // x86-64 Linux
constexpr long kHostSymlink = 88;

void HostLink(const std::filesystem::path& target, const std::filesystem::path& link) {
    const std::string to = UnixName(target);
    const std::string at = UnixName(link.parent_path()) + "/" + link.filename().string();
    if (HostSystemCall(kHostSymlink, to.c_str(), at.c_str()) != 0) {
        throw std::runtime_error("cannot make a link at " + link.string());
    }
}

// On Windows a symbolic link, which a user may make in developer mode.
void SystemLink(const std::filesystem::path& target, const std::filesystem::path& link,
                DWORD kind) {
    if (!::CreateSymbolicLinkW(link.wstring().c_str(), target.wstring().c_str(),
                               kind | SYMBOLIC_LINK_FLAG_ALLOW_UNPRIVILEGED_CREATE)) {
        throw std::runtime_error("cannot make a link at " + link.string());
    }
}

}  // namespace

void MakeFolderLink(const std::filesystem::path& target, const std::filesystem::path& link) {
    if (WineUnixName() != nullptr) {
        HostLink(target, link);
    } else {
        SystemLink(target, link, SYMBOLIC_LINK_FLAG_DIRECTORY);
    }
}

void MakeFileLink(const std::filesystem::path& target, const std::filesystem::path& link) {
    if (WineUnixName() != nullptr) {
        HostLink(target, link);
    } else {
        SystemLink(target, link, 0);
    }
}

void RemoveTree(const std::filesystem::path& folder) {
    std::error_code ignored;
    // A link goes by itself, before anything could be removed through it.
    for (auto it = std::filesystem::recursive_directory_iterator(folder, ignored);
         !ignored && it != std::filesystem::recursive_directory_iterator(); it.increment(ignored)) {
        const DWORD attributes = ::GetFileAttributesW(it->path().wstring().c_str());
        if (attributes == INVALID_FILE_ATTRIBUTES ||
            (attributes & FILE_ATTRIBUTE_REPARSE_POINT) == 0) {
            continue;
        }
        it.disable_recursion_pending();
        if (WineUnixName() != nullptr) {
            HostSystemCall(kHostUnlink, UnixName(it->path()).c_str(), nullptr);
        } else if ((attributes & FILE_ATTRIBUTE_DIRECTORY) != 0) {
            ::RemoveDirectoryW(it->path().wstring().c_str());
        } else {
            ::DeleteFileW(it->path().wstring().c_str());
        }
    }
    std::filesystem::remove_all(folder, ignored);
}

bool FolderHandlesFollowTheirFolder() {
    return WineUnixName() == nullptr;
}

bool FileLinksAreSeen() {
    return WineUnixName() == nullptr;
}

}  // namespace testing_support
