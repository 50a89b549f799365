#pragma once

#include <cstddef>
#include <string>

namespace platform {

// The profile (INI) file reader of the system, where it has one. Win32 has it
// (GetPrivateProfileStringW and GetPrivateProfileIntW), and a file read through it
// means there exactly what it means to every other program; POSIX has none, and a
// caller reads the file with a reader of its own that follows the same rules.
bool HasSystemProfileReader();

// The value of `key` in `section` of the profile file at the host path `hostPath`,
// at most `maxChars` characters, or `defaultValue` when the file, the section or the
// key is missing; a key with an empty value gives the empty string. Empty where the
// system has no reader.
std::string ReadSystemProfileString(const std::string& hostPath, const std::string& section,
                                    const std::string& key, const std::string& defaultValue,
                                    std::size_t maxChars);

// The value of `key` in `section` as the system's reader converts it to an integer,
// or `defaultValue` when the key is missing or empty; `defaultValue` where the system
// has no reader.
int ReadSystemProfileInt(const std::string& hostPath, const std::string& section,
                         const std::string& key, int defaultValue);

}  // namespace platform
