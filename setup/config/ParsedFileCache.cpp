#include "setup/config/ParsedFileCache.h"

#include <sys/stat.h>

namespace setup {

namespace {

// Longer than any tick of the clocks file systems stamp their times with.
constexpr std::int64_t kStampTickNs = 100'000'000;

std::int64_t Nanoseconds(const timespec& time) {
    return static_cast<std::int64_t>(time.tv_sec) * 1'000'000'000 + time.tv_nsec;
}

bool Equal(const timespec& a, const timespec& b) {
    return a.tv_sec == b.tv_sec && a.tv_nsec == b.tv_nsec;
}

}  // namespace

bool CParsedFileCache::StampOf(const std::string& hostPath, CStamp& stamp) {
    struct stat info;
    if (::stat(hostPath.c_str(), &info) != 0 || !S_ISREG(info.st_mode)) {
        return false;
    }
    stamp.m_strPath = hostPath;
    stamp.m_nDevice = static_cast<std::uint64_t>(info.st_dev);
    stamp.m_nInode = static_cast<std::uint64_t>(info.st_ino);
    stamp.m_nSize = static_cast<std::int64_t>(info.st_size);
    stamp.m_modified = info.st_mtim;
    stamp.m_changed = info.st_ctim;
    return true;
}

bool CParsedFileCache::SameStamp(const CStamp& a, const CStamp& b) {
    return a.m_strPath == b.m_strPath && a.m_nDevice == b.m_nDevice && a.m_nInode == b.m_nInode &&
           a.m_nSize == b.m_nSize && Equal(a.m_modified, b.m_modified) &&
           Equal(a.m_changed, b.m_changed);
}

const CProfileReader& CParsedFileCache::Open(const std::string& hostPath) {
    CStamp now;
    if (!StampOf(hostPath, now)) {
        m_bTrusted = false;
        m_reader = CProfileReader(std::string_view());
        return m_reader;
    }
    if (m_bTrusted && SameStamp(now, m_stamp)) {
        return m_reader;
    }
    timespec parsedAt{};
    ::clock_gettime(CLOCK_REALTIME, &parsedAt);
    m_reader = CProfileReader::FromFile(hostPath);
    // Taken again after the parse: a change made while reading shows in the stamp.
    CStamp after;
    const std::int64_t lastChange = Nanoseconds(now.m_changed) > Nanoseconds(now.m_modified)
                                        ? Nanoseconds(now.m_changed)
                                        : Nanoseconds(now.m_modified);
    m_bTrusted = StampOf(hostPath, after) && SameStamp(now, after) &&
                 lastChange + kStampTickNs < Nanoseconds(parsedAt);
    m_stamp = now;
    return m_reader;
}

}  // namespace setup
