#pragma once

#include <cstddef>

namespace platform {

// The system calls through which the installer's files are created, written, put in
// place and removed, and through which the levels below its folder are opened. They
// go through this table, so that a test can make one of them fail, fall short or be
// refused the way a full disk, a flaky network file system, an older kernel or a
// sandbox would, and see that the error is noticed. Each entry behaves like the call
// it is named after: a result below 0 with errno set on failure.
struct CFileSystemCalls {
    // copy_file_range without offsets: copies up to `bytes` from `source` to `target`.
    long (*m_pCopyRange)(int source, int target, std::size_t bytes);
    long (*m_pWrite)(int descriptor, const void* bytes, std::size_t count);
    int (*m_pFsync)(int descriptor);
    int (*m_pClose)(int descriptor);
    // renameat2 with its flags (0, RENAME_NOREPLACE or RENAME_EXCHANGE).
    int (*m_pRename)(int fromFolder, const char* from, int toFolder, const char* to,
                     unsigned flags);
    // openat, for files created below the install folder and for each level walked.
    int (*m_pOpenAt)(int folder, const char* name, int flags, unsigned mode);
    // openat2 of a folder below `folder` with RESOLVE_BENEATH and RESOLVE_NO_SYMLINKS;
    // ENOSYS (or EPERM from a seccomp filter) where the kernel lacks it.
    int (*m_pOpenBeneath)(int folder, const char* relative, int flags);
    int (*m_pUnlink)(int folder, const char* name, int flags);
    int (*m_pLink)(int fromFolder, const char* from, int toFolder, const char* to);
};

// The table in use; starts with the real calls.
CFileSystemCalls& FileSystemCalls();

// The real calls, to put back or to call from a replacement.
const CFileSystemCalls& RealFileSystemCalls();

}  // namespace platform
