#pragma once

#include "platform/FileCopy.h"

namespace platform::posix {

// Copies what is left of `source` to `target`, in the kernel where the file systems
// allow it and through a buffer otherwise, calling `afterChunk` after each chunk.
// Short writes are carried on; false at the first real error (errno tells which).
// Goes through FileSystemCalls, so that tests can make any step fail.
bool CopyContents(int source, int target, const CChunkCallback& afterChunk);

}  // namespace platform::posix
