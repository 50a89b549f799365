#include "platform/posix/FileSystemCalls.h"

#include <fcntl.h>
#include <linux/openat2.h>
#include <stdio.h>
#include <sys/syscall.h>
#include <unistd.h>

#include <cerrno>

namespace platform {

namespace {

long CopyRange(int source, int target, std::size_t bytes) {
    return ::copy_file_range(source, nullptr, target, nullptr, bytes, 0);
}

long Write(int descriptor, const void* bytes, std::size_t count) {
    return ::write(descriptor, bytes, count);
}

int Rename(int fromFolder, const char* from, int toFolder, const char* to, unsigned flags) {
    return ::renameat2(fromFolder, from, toFolder, to, flags);
}

int OpenAt(int folder, const char* name, int flags, unsigned mode) {
    return ::openat(folder, name, flags, static_cast<mode_t>(mode));
}

int OpenBeneath(int folder, const char* relative, int flags) {
#ifdef SYS_openat2
    open_how how{};
    how.flags = static_cast<unsigned>(flags);
    how.resolve = RESOLVE_BENEATH | RESOLVE_NO_SYMLINKS | RESOLVE_NO_MAGICLINKS;
    return static_cast<int>(::syscall(SYS_openat2, folder, relative, &how, sizeof how));
#else
    (void)folder;
    (void)relative;
    (void)flags;
    errno = ENOSYS;
    return -1;
#endif
}

int Link(int fromFolder, const char* from, int toFolder, const char* to) {
    return ::linkat(fromFolder, from, toFolder, to, 0);
}

constexpr CFileSystemCalls kReal = {CopyRange, Write,       ::fsync,    ::close, Rename,
                                    OpenAt,    OpenBeneath, ::unlinkat, Link};

}  // namespace

CFileSystemCalls& FileSystemCalls() {
    static CFileSystemCalls calls = kReal;
    return calls;
}

const CFileSystemCalls& RealFileSystemCalls() {
    return kReal;
}

}  // namespace platform
