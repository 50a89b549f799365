#include "tests/support/FileSystemFaults.h"

#include <windows.h>

#include <algorithm>
#include <utility>

#include "platform/FileCopy.h"
#include "platform/win32/FileSystemCalls.h"

namespace testing_support {

namespace {

std::function<void()> g_afterFirstChunk;
std::uint64_t g_nSpaceLeft = 0;

platform::CFileSystemCalls& Calls() {
    return platform::FileSystemCalls();
}

int Fail(DWORD error) {
    ::SetLastError(error);
    return FALSE;
}

int CopyThenHook(void* source, void* target, unsigned long bytes, unsigned long* copied) {
    const int ok = platform::RealFileSystemCalls().m_pCopyChunk(source, target, bytes, copied);
    if (ok && *copied == platform::kCopyChunk && g_afterFirstChunk) {
        std::exchange(g_afterFirstChunk, nullptr)();
    }
    return ok;
}

int WriteWithinSpace(void* file, const void* bytes, unsigned long count, unsigned long* written) {
    *written = 0;
    if (g_nSpaceLeft == 0) {
        return Fail(ERROR_DISK_FULL);
    }
    const auto allowed = static_cast<unsigned long>(std::min<std::uint64_t>(count, g_nSpaceLeft));
    const int ok = platform::RealFileSystemCalls().m_pWrite(file, bytes, allowed, written);
    g_nSpaceLeft -= *written;
    return ok;
}

}  // namespace

void FailCopiesWithDiskFull() {
    Calls().m_pCopyChunk = [](void*, void*, unsigned long, unsigned long* copied) {
        *copied = 0;
        return Fail(ERROR_DISK_FULL);
    };
}

void FailSyncs() {
    Calls().m_pFlush = [](void*) { return Fail(ERROR_IO_DEVICE); };
}

void FailCloses() {
    // The handle is gone even after the error, as a failing close leaves it.
    Calls().m_pClose = [](void* file) {
        ::CloseHandle(static_cast<HANDLE>(file));
        return Fail(ERROR_IO_DEVICE);
    };
}

void FailRenames() {
    Calls().m_pRename = [](void*, void*, const wchar_t*, int) { return Fail(ERROR_IO_DEVICE); };
}

void DeclineTheSystemsCopy() {
    // Win32 copies through a buffer anyway.
}

void ShortWrites() {
    Calls().m_pWrite = [](void* file, const void* bytes, unsigned long count, unsigned long* written) {
        return platform::RealFileSystemCalls().m_pWrite(file, bytes, std::min(count, 4093ul),
                                                        written);
    };
}

void AfterTheFirstChunk(std::function<void()> hook) {
    g_afterFirstChunk = std::move(hook);
    Calls().m_pCopyChunk = CopyThenHook;
}

void RunOutOfSpaceAfter(std::uint64_t bytes) {
    g_nSpaceLeft = bytes;
    Calls().m_pWrite = WriteWithinSpace;
}

void ResetFileSystemCalls() {
    Calls() = platform::RealFileSystemCalls();
    g_afterFirstChunk = nullptr;
}

}  // namespace testing_support
