#pragma once

#include <cstdint>
#include <functional>
#include <string>

namespace platform {

// How a copy into place ended. A failed one never touches its destination.
enum class FileCopyResult {
    kCopied,
    kNotWritten,  // failed; the destination is as it was
    kNoSource,    // the source is not there under that name: nothing was written
};

// Called after every chunk with the bytes of this file copied so far.
using CChunkCallback = std::function<void(std::uint64_t nCopied)>;

// The size of the first chunk: small enough that the windows repaint often during a
// large file on any disk; where the kernel copies fast, later chunks grow so that the
// calls cost nothing beside the copying itself.
constexpr std::uint64_t kCopyChunk = 1 << 20;

// The size of the regular file `hostPath`; 0 when there is none.
std::uint64_t RegularFileSize(const std::string& hostPath);

}  // namespace platform
