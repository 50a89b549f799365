#include "platform/posix/CopyContents.h"

#include <unistd.h>

#include <cerrno>
#include <memory>

#include "platform/FileSystemCalls.h"

namespace platform::posix {

namespace {

// The errors with which the kernel declines to copy between these two files at all.
bool KernelCopyUnsupported(int error) {
    return error == EXDEV || error == ENOSYS || error == EINVAL || error == EOPNOTSUPP ||
           error == EBADF;
}

bool WriteChunk(int target, const char* bytes, std::size_t count) {
    while (count > 0) {
        const long put = FileSystemCalls().m_pWrite(target, bytes, count);
        if (put < 0 && errno == EINTR) {
            continue;
        }
        if (put <= 0) {
            if (put == 0) {
                errno = EIO;  // no progress and no error: never loop on it
            }
            return false;
        }
        bytes += put;
        count -= static_cast<std::size_t>(put);
    }
    return true;
}

// One chunk through user space, for file systems that cannot copy in the kernel.
long ReadWriteChunk(int source, int target, std::unique_ptr<char[]>& buffer) {
    if (!buffer) {
        buffer = std::make_unique<char[]>(kCopyChunk);
    }
    for (;;) {
        const ssize_t got = ::read(source, buffer.get(), kCopyChunk);
        if (got < 0 && errno == EINTR) {
            continue;
        }
        if (got <= 0) {
            return got;
        }
        return WriteChunk(target, buffer.get(), static_cast<std::size_t>(got)) ? got : -1;
    }
}

}  // namespace

bool CopyContents(int source, int target, std::uint64_t size, const CChunkCallback& afterChunk) {
    std::uint64_t copied = 0;
    bool inKernel = true;
    std::unique_ptr<char[]> buffer;
    while (copied < size) {
        long moved;
        if (inKernel) {
            moved = FileSystemCalls().m_pCopyRange(source, target, kCopyChunk);
            if (moved < 0 && copied == 0 && KernelCopyUnsupported(errno)) {
                inKernel = false;
                continue;
            }
        } else {
            moved = ReadWriteChunk(source, target, buffer);
        }
        if (moved < 0) {
            if (errno == EINTR) {
                continue;
            }
            return false;
        }
        if (moved == 0) {
            return true;
        }
        copied += static_cast<std::uint64_t>(moved);
        if (afterChunk) {
            afterChunk(copied);
        }
    }
    return true;
}

}  // namespace platform::posix
