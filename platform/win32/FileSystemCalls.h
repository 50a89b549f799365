#pragma once

namespace platform {

// The system calls through which the installer's files are created, written, put in
// place and removed on Win32, and through which the levels below its folder are
// opened. They go through this table, so that a test can make one of them fail or
// fall short the way a full disk, a flaky network share or a file system without
// hard links would, and see that the error is noticed. Handles are the system's
// HANDLEs and names UTF-16, held in the types of the language so that no header needs
// the system's own. Each entry behaves like the call it is named after: a result of
// 0 (FALSE) with the error for GetLastError set on failure; m_pOpenAt gives the
// status of the native call, negative on failure.
struct CFileSystemCalls {
    // NtCreateFile of `name` relative to the folder `folder`, with its access mask,
    // file attributes, create disposition and create options; the file in `opened`.
    long (*m_pOpenAt)(void* folder, const wchar_t* name, unsigned long access,
                      unsigned long attributes, unsigned long disposition,
                      unsigned long options, void** opened);
    // Reads up to `bytes` of `source` and writes what it read to `target`, with
    // `copied` the bytes moved; 0 copied at the source's end.
    int (*m_pCopyChunk)(void* source, void* target, unsigned long bytes, unsigned long* copied);
    int (*m_pWrite)(void* file, const void* bytes, unsigned long count, unsigned long* written);
    int (*m_pFlush)(void* file);  // FlushFileBuffers
    int (*m_pClose)(void* file);  // CloseHandle
    // NtSetInformationFile with FileRenameInformation: the open `file` takes the name
    // `name` in the folder `folder`, replacing a file of that name only when `replace`.
    int (*m_pRename)(void* file, void* folder, const wchar_t* name, int replace);
    // NtSetInformationFile with FileLinkInformation: a second name for the open `file`.
    int (*m_pLink)(void* file, void* folder, const wchar_t* name);
    // SetFileInformationByHandle with FileDispositionInfo: the open file, or empty
    // folder, goes when its last handle is closed.
    int (*m_pRemove)(void* file);
};

// The table in use; starts with the real calls.
CFileSystemCalls& FileSystemCalls();

// The real calls, to put back or to call from a replacement.
const CFileSystemCalls& RealFileSystemCalls();

}  // namespace platform
