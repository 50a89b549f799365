#include "tests/support/FileSystemFaults.h"

#include <sys/resource.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <utility>

#include "platform/FileCopy.h"
#include "platform/ProcessStart.h"
#include "platform/posix/FileSystemCalls.h"

namespace testing_support {

namespace {

std::function<void()> g_afterFirstChunk;

platform::CFileSystemCalls& Calls() {
    return platform::FileSystemCalls();
}

long CopyThenHook(int source, int target, std::size_t bytes) {
    const long moved = platform::RealFileSystemCalls().m_pCopyRange(source, target, bytes);
    if (moved == static_cast<long>(platform::kCopyChunk) && g_afterFirstChunk) {
        std::exchange(g_afterFirstChunk, nullptr)();
    }
    return moved;
}

// The file-size limit the test process started with, which every reset restores.
const rlimit& StartingFileSizeLimit() {
    static const rlimit starting = [] {
        rlimit limit{};
        ::getrlimit(RLIMIT_FSIZE, &limit);
        return limit;
    }();
    return starting;
}

void SetFileSizeLimit(rlim_t bytes) {
    rlimit limit = StartingFileSizeLimit();
    limit.rlim_cur = bytes;
    ::setrlimit(RLIMIT_FSIZE, &limit);
}

}  // namespace

void FailCopiesWithDiskFull() {
    Calls().m_pCopyRange = [](int, int, std::size_t) { return errno = ENOSPC, -1L; };
}

void FailSyncs() {
    Calls().m_pFsync = [](int) { return errno = EIO, -1; };
}

void FailCloses() {
    // As close does: the descriptor is gone even after an error.
    Calls().m_pClose = [](int fd) { return ::close(fd), errno = EIO, -1; };
}

void FailRenames() {
    Calls().m_pRename = [](int, const char*, int, const char*, unsigned) { return errno = EIO, -1; };
}

void DeclineTheSystemsCopy() {
    Calls().m_pCopyRange = [](int, int, std::size_t) { return errno = EXDEV, -1L; };
}

void ShortWrites() {
    Calls().m_pCopyRange = [](int, int, std::size_t) { return errno = ENOSYS, -1L; };
    Calls().m_pWrite = [](int descriptor, const void* bytes, std::size_t count) {
        return static_cast<long>(::write(descriptor, bytes, std::min<std::size_t>(count, 4093)));
    };
}

void AfterTheFirstChunk(std::function<void()> hook) {
    g_afterFirstChunk = std::move(hook);
    Calls().m_pCopyRange = CopyThenHook;
}

void RunOutOfSpaceAfter(std::uint64_t bytes) {
    // The program's start-up makes a write past the file-size limit fail, as on a full
    // disk, instead of ending the process.
    platform::InitializeProcess();
    SetFileSizeLimit(static_cast<rlim_t>(bytes));
}

void ResetFileSystemCalls() {
    Calls() = platform::RealFileSystemCalls();
    g_afterFirstChunk = nullptr;
    SetFileSizeLimit(StartingFileSizeLimit().rlim_cur);
}

}  // namespace testing_support
