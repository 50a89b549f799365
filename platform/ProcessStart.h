#pragma once

namespace platform {

// Process-wide settings a program makes once at its start, before it writes any
// file. A write beyond the file-size limit (ulimit -f) then fails with EFBIG, which
// every writer reports like a full disk, instead of raising the signal whose default
// action kills the process with the player's unsaved work.
void InitializeProcess();

}  // namespace platform
