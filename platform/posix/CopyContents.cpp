#include "platform/posix/CopyContents.h"

#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <memory>

#include "platform/posix/FileSystemCalls.h"
#include "platform/posix/WriteAll.h"

namespace platform::posix {

namespace {

constexpr std::size_t kLargestChunk = 64u << 20;
constexpr std::chrono::milliseconds kRepaintInterval{50};

// The errors with which the kernel declines to copy between these two files at all.
bool KernelCopyUnsupported(int error) {
    return error == EXDEV || error == ENOSYS || error == EINVAL || error == EOPNOTSUPP ||
           error == EBADF;
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
        const std::string_view bytes(buffer.get(), static_cast<std::size_t>(got));
        return WriteAll(target, bytes) ? got : -1;
    }
}

}  // namespace

bool CopyContents(int source, int target, std::uint64_t size, const CChunkCallback& afterChunk) {
    using Clock = std::chrono::steady_clock;
    std::uint64_t copied = 0;
    bool inKernel = true;
    std::unique_ptr<char[]> buffer;
    // The kernel's chunk starts at kCopyChunk and doubles while a chunk takes less
    // than half the time between two repaints, up to kLargestChunk, and halves again
    // when one takes longer: each call costs a round through the page cache, which a
    // fast disk notices, and a slow one must still let the windows repaint.
    std::size_t chunk = kCopyChunk;
    while (copied < size) {
        long moved;
        if (inKernel) {
            const Clock::time_point start = Clock::now();
            moved = FileSystemCalls().m_pCopyRange(source, target, chunk);
            const Clock::duration took = Clock::now() - start;
            if (moved == static_cast<long>(chunk) && chunk < kLargestChunk &&
                took < kRepaintInterval / 2) {
                chunk *= 2;
            } else if (took > kRepaintInterval && chunk > kCopyChunk) {
                chunk /= 2;
            }
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
