#include "platform/FileCopy.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "platform/posix/CopyContents.h"
#include "platform/posix/Descriptor.h"

namespace platform {

using posix::CDescriptor;

FileCopyResult CopyFileInChunks(const std::string& fromHost, const std::string& toHost,
                                const CChunkCallback& afterChunk) {
    CDescriptor source(::open(fromHost.c_str(), O_RDONLY | O_CLOEXEC));
    struct stat sourceInfo;
    if (source.Get() < 0 || ::fstat(source.Get(), &sourceInfo) != 0 ||
        !S_ISREG(sourceInfo.st_mode)) {
        return FileCopyResult::kNotWritten;
    }
    const mode_t mode = sourceInfo.st_mode & 07777;
    // No O_TRUNC yet: the destination is examined before anything of it changes. No
    // link is followed out of the place the caller checked, and O_NONBLOCK keeps a
    // FIFO of that name from blocking the open.
    CDescriptor target(
        ::open(toHost.c_str(), O_WRONLY | O_CREAT | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK, mode));
    struct stat targetInfo;
    if (target.Get() < 0 || ::fstat(target.Get(), &targetInfo) != 0) {
        return FileCopyResult::kNotWritten;
    }
    if (!S_ISREG(targetInfo.st_mode) ||
        (targetInfo.st_dev == sourceInfo.st_dev && targetInfo.st_ino == sourceInfo.st_ino)) {
        return FileCopyResult::kNotWritten;
    }
    // An empty file is not truncated: some file systems take a truncation to zero
    // as the sign of a file being replaced and write the new one out when it is
    // closed, which would make every new file cost a wait for the disk.
    const int flags = ::fcntl(target.Get(), F_GETFL);
    if (flags < 0 || ::fcntl(target.Get(), F_SETFL, flags & ~O_NONBLOCK) != 0 ||
        (targetInfo.st_size != 0 && ::ftruncate(target.Get(), 0) != 0)) {
        return FileCopyResult::kFailedPartWay;
    }
    bool ok = posix::CopyContents(source.Get(), target.Get(),
                                  static_cast<std::uint64_t>(sourceInfo.st_size), afterChunk);
    // An existing destination keeps its old mode through the open; give it the source's.
    if (ok && ::fchmod(target.Get(), mode) != 0) {
        ok = false;
    }
    if (!target.Close()) {
        ok = false;
    }
    return ok ? FileCopyResult::kCopied : FileCopyResult::kFailedPartWay;
}

std::uint64_t RegularFileSize(const std::string& hostPath) {
    struct stat info;
    if (hostPath.empty() || ::stat(hostPath.c_str(), &info) != 0 || !S_ISREG(info.st_mode)) {
        return 0;
    }
    return static_cast<std::uint64_t>(info.st_size);
}

bool DeleteFileAsNamed(const std::string& hostPath) {
    return ::unlink(hostPath.c_str()) == 0;
}

}  // namespace platform
