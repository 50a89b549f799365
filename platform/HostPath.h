#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace platform {

// Host paths are the paths the system's own calls take, as opposed to the installer's
// Windows form. On POSIX they start at "/". On Win32 they start at a drive root,
// "C:/", with '/' between the levels: the wide-char calls take it like '\', and code
// that joins or splits host paths needs one separator on every platform. A host path
// on Win32 may arrive with '\' from outside; the calls take that too.

// Whether the host's file names ignore letter case, as Win32's do; POSIX names are
// bytes compared as they stand.
#ifdef _WIN32
inline constexpr bool kHostNamesIgnoreCase = true;
#else
inline constexpr bool kHostNamesIgnoreCase = false;
#endif

// The length of the root of `path`: 1 for "/..." on POSIX, 3 for "C:/..." or
// "C:\..." on Win32; 0 for a path that is not absolute.
std::size_t HostRootLength(std::string_view path);

inline bool IsAbsoluteHostPath(std::string_view path) {
    return HostRootLength(path) != 0;
}

// True when `path`, given by a user, can only be a host path and never one in Windows
// form: on POSIX one that starts with '/'. Never on Win32, where the two forms name
// the same things and a drive letter is read through the drive map.
bool NamesHostPathOnly(std::string_view path);

// `hostPath` as the system's own programs show a path to a person: as it is on POSIX,
// with '\' between the levels on Win32.
std::string ShownHostPath(std::string_view hostPath);

// The host path of the process's current directory; empty when it cannot be read
// (removed meanwhile).
std::string HostCurrentDirectory();

// Makes the host directory `path` the process's current directory.
bool ChangeHostCurrentDirectory(const std::string& path);

}  // namespace platform
