#pragma once

#include <cstdint>
#include <functional>

namespace testing_support {

// Faults of the file system, made through the platform's table of the calls by which
// files are written, put in place and removed, and named the same on every system so
// that one table of cases runs everywhere. Each holds from the call on until
// ResetFileSystemCalls.

// Copying a file's contents fails as on a full disk.
void FailCopiesWithDiskFull();
// Making written contents durable fails with an I/O error.
void FailSyncs();
// Closing a file fails, after it was closed, as on a network file system.
void FailCloses();
// Putting a file in place under its name fails with an I/O error.
void FailRenames();
// The system's own copy between files declines (POSIX: across file systems); the
// copy goes through a buffer. Where the system has no such copy, nothing changes.
void DeclineTheSystemsCopy();
// The same, and every write takes at most a few kilobytes at a time.
void ShortWrites();
// `hook` runs once, right after the first chunk (kCopyChunk bytes) of a copy.
void AfterTheFirstChunk(std::function<void()> hook);
// Writes fail as on a full disk once `bytes` more of a file have been written.
void RunOutOfSpaceAfter(std::uint64_t bytes);

// The real calls again, and room without limit.
void ResetFileSystemCalls();

}  // namespace testing_support
