#pragma once

#include <cstddef>

namespace platform {

// The system calls through which the installer's files are written and put in
// place. They go through this table, so that a test can make one of them fail or
// fall short the way a full disk, a flaky network file system or a kernel without a
// call would, and see that the error is noticed. Each entry behaves like the call it
// is named after: a result below 0 with errno set on failure.
struct CFileSystemCalls {
    // copy_file_range without offsets: copies up to `bytes` from `source` to `target`.
    long (*m_pCopyRange)(int source, int target, std::size_t bytes);
    long (*m_pWrite)(int descriptor, const void* bytes, std::size_t count);
    int (*m_pFsync)(int descriptor);
    int (*m_pClose)(int descriptor);
    // renameat2 with its flags (0, RENAME_NOREPLACE or RENAME_EXCHANGE).
    int (*m_pRename)(int fromFolder, const char* from, int toFolder, const char* to,
                     unsigned flags);
};

// The table in use; starts with the real calls.
CFileSystemCalls& FileSystemCalls();

// The real calls, to put back or to call from a replacement.
const CFileSystemCalls& RealFileSystemCalls();

}  // namespace platform
