#include "platform/FileOperations.h"

#include <windows.h>

#include "platform/win32/Handle.h"
#include "platform/win32/WideString.h"

// The project's own names that <windows.h> would rewrite into its wide-char calls.
#undef DeleteFile
#undef ReplaceFile

namespace platform {

using win32::WidePath;

bool FileExists(const std::string& path) {
    return ::GetFileAttributesW(WidePath(path).c_str()) != INVALID_FILE_ATTRIBUTES;
}

bool DeleteFile(const std::string& path) {
    return ::DeleteFileW(WidePath(path).c_str()) != 0;
}

bool RenameFile(const std::string& from, const std::string& to) {
    // Without MOVEFILE_REPLACE_EXISTING an existing `to` makes the call fail.
    return ::MoveFileExW(WidePath(from).c_str(), WidePath(to).c_str(), 0) != 0;
}

bool ReplaceFile(const std::string& from, const std::string& to) {
    return ::MoveFileExW(WidePath(from).c_str(), WidePath(to).c_str(),
                         MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
}

bool CopyFileOverwrite(const std::string& from, const std::string& to) {
    // CopyFileW takes the source's attributes along, as the permission bits go along
    // on POSIX; a read-only target is refused rather than overwritten.
    return ::CopyFileW(WidePath(from).c_str(), WidePath(to).c_str(), FALSE) != 0;
}

bool IsFolderWritable(const std::string& path) {
    // Access rights on Win32 are lists that only an attempt answers for certain: a file
    // created and removed on closing.
    const DWORD attributes = ::GetFileAttributesW(WidePath(path).c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES || (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0) {
        return false;
    }
    std::wstring probe = WidePath(path);
    if (!probe.empty() && probe.back() != L'\\') {
        probe += L'\\';
    }
    probe += L".~write-probe-" + std::to_wstring(::GetCurrentProcessId());
    const win32::CHandle file(::CreateFileW(probe.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                            FILE_ATTRIBUTE_HIDDEN | FILE_FLAG_DELETE_ON_CLOSE,
                                            nullptr));
    return file.IsOpen();
}

}  // namespace platform
