#include "platform/win32/FileSystemCalls.h"

#include <windows.h>
#include <winternl.h>

#include <cstring>
#include <cwchar>
#include <vector>

namespace platform {

namespace {

long OpenAt(void* folder, const wchar_t* name, unsigned long access, unsigned long attributes,
            unsigned long disposition, unsigned long options, void** opened) {
    UNICODE_STRING text;
    text.Buffer = const_cast<wchar_t*>(name);
    text.Length = static_cast<USHORT>(std::wcslen(name) * sizeof(wchar_t));
    text.MaximumLength = text.Length;
    OBJECT_ATTRIBUTES object;
    InitializeObjectAttributes(&object, &text, OBJ_CASE_INSENSITIVE, static_cast<HANDLE>(folder),
                               nullptr);
    IO_STATUS_BLOCK status;
    HANDLE handle = nullptr;
    const NTSTATUS result =
        ::NtCreateFile(&handle, access, &object, &status, nullptr, attributes,
                       FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, disposition, options,
                       nullptr, 0);
    *opened = handle;
    // The error as the Win32 calls report it, for the message of a failure.
    ::SetLastError(::RtlNtStatusToDosError(result));
    return result;
}

int CopyChunk(void* source, void* target, unsigned long bytes, unsigned long* copied) {
    static std::vector<char> buffer;
    buffer.resize(bytes);
    DWORD got = 0;
    *copied = 0;
    if (!::ReadFile(static_cast<HANDLE>(source), buffer.data(), bytes, &got, nullptr)) {
        return FALSE;
    }
    for (DWORD done = 0; done < got;) {
        unsigned long written = 0;
        if (!FileSystemCalls().m_pWrite(target, buffer.data() + done, got - done, &written)) {
            return FALSE;
        }
        if (written == 0) {
            ::SetLastError(ERROR_WRITE_FAULT);  // no progress and no error: never loop on it
            return FALSE;
        }
        done += written;
    }
    *copied = got;
    return TRUE;
}

int Write(void* file, const void* bytes, unsigned long count, unsigned long* written) {
    DWORD done = 0;
    const BOOL ok = ::WriteFile(static_cast<HANDLE>(file), bytes, count, &done, nullptr);
    *written = done;
    return ok;
}

int Flush(void* file) {
    return ::FlushFileBuffers(static_cast<HANDLE>(file));
}

int Close(void* file) {
    return ::CloseHandle(static_cast<HANDLE>(file));
}

// FILE_RENAME_INFORMATION and FILE_LINK_INFORMATION share their layout (and that of
// FILE_RENAME_INFO): a flag, the folder, the name's length in bytes and the name.
std::vector<unsigned char> NameInformation(void* folder, const wchar_t* name, bool replace) {
    const std::size_t length = std::wcslen(name) * sizeof(wchar_t);
    std::vector<unsigned char> block(sizeof(FILE_RENAME_INFO) + length);
    auto* info = reinterpret_cast<FILE_RENAME_INFO*>(block.data());
    info->ReplaceIfExists = replace ? TRUE : FALSE;
    info->RootDirectory = static_cast<HANDLE>(folder);
    info->FileNameLength = static_cast<DWORD>(length);
    std::memcpy(info->FileName, name, length);
    return block;
}

// A name relative to a folder's handle for the native call: the Win32 wrapper would
// take it for a path relative to the current directory.
int SetName(void* file, void* folder, const wchar_t* name, bool replace,
            FILE_INFORMATION_CLASS what) {
    std::vector<unsigned char> block = NameInformation(folder, name, replace);
    IO_STATUS_BLOCK status;
    const NTSTATUS result = ::NtSetInformationFile(static_cast<HANDLE>(file), &status,
                                                   block.data(), static_cast<ULONG>(block.size()),
                                                   what);
    ::SetLastError(::RtlNtStatusToDosError(result));
    return NT_SUCCESS(result) ? TRUE : FALSE;
}

int Rename(void* file, void* folder, const wchar_t* name, int replace) {
    return SetName(file, folder, name, replace != 0, FileRenameInformation);
}

int Link(void* file, void* folder, const wchar_t* name) {
    return SetName(file, folder, name, false, FileLinkInformation);
}

int Remove(void* file) {
    FILE_DISPOSITION_INFO disposition{};
    disposition.DeleteFile = TRUE;
    return ::SetFileInformationByHandle(static_cast<HANDLE>(file), FileDispositionInfo, &disposition,
                                        sizeof disposition);
}

constexpr CFileSystemCalls kReal = {OpenAt, CopyChunk, Write, Flush, Close, Rename, Link, Remove};

}  // namespace

CFileSystemCalls& FileSystemCalls() {
    static CFileSystemCalls calls = kReal;
    return calls;
}

const CFileSystemCalls& RealFileSystemCalls() {
    return kReal;
}

}  // namespace platform
