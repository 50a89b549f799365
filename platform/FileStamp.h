#pragma once

#include <cstdint>
#include <string>

namespace platform {

// What identifies a file's contents without reading them: the file itself (device and
// inode), its size, and when its data and its status last changed (nanoseconds on
// the clock of FileClockNow).
struct CFileStamp {
    std::uint64_t m_nDevice = 0;
    std::uint64_t m_nInode = 0;
    std::int64_t m_nSize = -1;
    std::int64_t m_nModified = 0;
    std::int64_t m_nChanged = 0;

    bool operator==(const CFileStamp&) const = default;
};

// The stamp of the regular file at the host path `path`; false when there is none or
// it cannot be examined.
bool GetFileStamp(const std::string& path, CFileStamp& stamp);

// Now, on the clock the file system stamps files with, in nanoseconds.
std::int64_t FileClockNow();

}  // namespace platform
