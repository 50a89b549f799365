#pragma once

#include "platform/FileCopy.h"

namespace platform::posix {

// Copies what is left of `source` to `target`, up to its end or `size` bytes
// (the size the source had when it was opened, which spares a last call that finds
// nothing left), in the kernel where the file systems
// allow it and through a buffer otherwise, calling `afterChunk` after each chunk.
// Short writes are carried on; false at the first real error (errno tells which).
// Goes through FileSystemCalls, so that tests can make any step fail.
bool CopyContents(int source, int target, std::uint64_t size, const CChunkCallback& afterChunk);

}  // namespace platform::posix
