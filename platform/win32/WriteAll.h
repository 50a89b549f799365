#pragma once

#include <string_view>

namespace platform::win32 {

// Writes every byte of `bytes` to the file `file` (a HANDLE) through the table of
// calls, going on after short writes; false at the first failure (GetLastError()
// tells which).
bool WriteAll(void* file, std::string_view bytes);

}  // namespace platform::win32
