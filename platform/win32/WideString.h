#pragma once

#include <string>
#include <string_view>

namespace platform::win32 {

// The project's strings are UTF-8; the wide-char calls of the system take UTF-16.
// Texts are converted at that boundary and nowhere else.
std::wstring Wide(std::string_view text);
std::string Narrow(std::wstring_view text);

// A host path for a wide-char call: UTF-16, '/' turned into '\', which every call
// takes, the handle-relative ones of the native layer too.
std::wstring WidePath(std::string_view hostPath);

// A path the system gave back, as a host path: UTF-8 with '/' between the levels.
std::string HostPathOf(std::wstring_view systemPath);

// The system's text for the error `code` (GetLastError), on one line.
std::string ErrorText(unsigned long code);

}  // namespace platform::win32
