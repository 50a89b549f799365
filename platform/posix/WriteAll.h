#pragma once

#include <string_view>

namespace platform::posix {

// Writes every byte of `bytes` to `descriptor`, going on after short writes and
// interruptions; false at the first real error (errno tells which).
bool WriteAll(int descriptor, std::string_view bytes);

}  // namespace platform::posix
