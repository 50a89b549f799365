#include "tests/support/FileFacts.h"

#include <windows.h>

namespace testing_support {

EntryKind KindOf(const std::filesystem::path& path) {
    // A look by name: Wine shows a host's link to a folder as a reparse point only so.
    const DWORD attributes = ::GetFileAttributesW(path.wstring().c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) {
        return EntryKind::Other;
    }
    if ((attributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0) {
        return EntryKind::Link;
    }
    if ((attributes & FILE_ATTRIBUTE_DIRECTORY) != 0) {
        return EntryKind::Folder;
    }
    return (attributes & FILE_ATTRIBUTE_DEVICE) != 0 ? EntryKind::Other : EntryKind::File;
}

std::string LinkTarget(const std::filesystem::path&) {
    return {};
}

std::string ModeAndInode(const std::filesystem::path& file) {
    const HANDLE handle = ::CreateFileW(file.wstring().c_str(), FILE_READ_ATTRIBUTES,
                                        FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                        nullptr, OPEN_EXISTING, FILE_FLAG_OPEN_REPARSE_POINT,
                                        nullptr);
    BY_HANDLE_FILE_INFORMATION info{};
    if (handle != INVALID_HANDLE_VALUE) {
        ::GetFileInformationByHandle(handle, &info);
        ::CloseHandle(handle);
    }
    const unsigned long long index =
        (static_cast<unsigned long long>(info.nFileIndexHigh) << 32) | info.nFileIndexLow;
    return "inode " + std::to_string(index);
}

}  // namespace testing_support
