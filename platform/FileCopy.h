#pragma once

#include <cstdint>
#include <functional>
#include <string>

namespace platform {

// How far a copy got; the installer's rollback depends on whether the destination
// was touched at all.
enum class FileCopyResult {
    kCopied,
    kNotWritten,     // failed before the destination was created or changed
    kNoSource,       // the source is not there under that name: nothing was written
    kFailedPartWay,  // the destination was created or truncated, then the copy failed
};

// Called after every chunk with the bytes of this file copied so far.
using CChunkCallback = std::function<void(std::uint64_t nCopied)>;

// The size of one chunk: small enough that the windows repaint often during a large
// file, large enough that the calls cost nothing beside the copying itself.
constexpr std::uint64_t kCopyChunk = 1 << 20;

// Copies the regular file `fromHost` over `toHost` (host paths taken exactly as
// given, no letter-case lookup), replacing a file already there and giving it the
// source's permission bits. The destination must be no symbolic link and not the
// source itself under another name (the copy would destroy the source); both are
// refused before anything is written. In a process that made its start-up settings
// (InitializeProcess), a file-size limit reached part-way is an error of the copy,
// never the end of the process.
FileCopyResult CopyFileInChunks(const std::string& fromHost, const std::string& toHost,
                                const CChunkCallback& afterChunk);

// The size of the regular file `hostPath`; 0 when there is none.
std::uint64_t RegularFileSize(const std::string& hostPath);

// Deletes the file `hostPath` as named, without looking for another letter case.
bool DeleteFileAsNamed(const std::string& hostPath);

}  // namespace platform
