#include "platform/FileStamp.h"

#include <sys/stat.h>

#include <ctime>

namespace platform {

namespace {

std::int64_t Nanoseconds(const timespec& time) {
    return static_cast<std::int64_t>(time.tv_sec) * 1'000'000'000 + time.tv_nsec;
}

}  // namespace

bool GetFileStamp(const std::string& path, CFileStamp& stamp) {
    struct stat info;
    if (::stat(path.c_str(), &info) != 0 || !S_ISREG(info.st_mode)) {
        return false;
    }
    stamp.m_nDevice = static_cast<std::uint64_t>(info.st_dev);
    stamp.m_nInode = static_cast<std::uint64_t>(info.st_ino);
    stamp.m_nSize = static_cast<std::int64_t>(info.st_size);
    stamp.m_nModified = Nanoseconds(info.st_mtim);
    stamp.m_nChanged = Nanoseconds(info.st_ctim);
    return true;
}

std::int64_t FileClockNow() {
    timespec now{};
    ::clock_gettime(CLOCK_REALTIME, &now);
    return Nanoseconds(now);
}

}  // namespace platform
