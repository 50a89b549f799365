#pragma once

#include <cstddef>
#include <string>

namespace platform {

// Reads the whole of the regular file `hostPath` into `text`. False, with `text`
// empty, when it is missing, unreadable, larger than `maxBytes` or not a regular
// file; a FIFO or device is refused without blocking and without being read.
bool ReadRegularFile(const std::string& hostPath, std::size_t maxBytes, std::string& text);

}  // namespace platform
