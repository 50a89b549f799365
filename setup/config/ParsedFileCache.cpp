#include "setup/config/ParsedFileCache.h"

#include <algorithm>

namespace setup {

namespace {

// Longer than any tick of the clocks file systems stamp their times with.
constexpr std::int64_t kStampTickNs = 100'000'000;

}  // namespace

const CProfileReader& CParsedFileCache::Open(const std::string& hostPath, bool* found) {
    platform::CFileStamp now;
    const bool present = platform::GetFileStamp(hostPath, now);
    if (found != nullptr) {
        *found = present;
    }
    if (!present) {
        m_bTrusted = false;
        m_reader = CProfileReader(std::string_view());
        return m_reader;
    }
    if (m_bTrusted && hostPath == m_strPath && now == m_stamp) {
        return m_reader;
    }
    const std::int64_t parsedAt = platform::FileClockNow();
    m_reader = CProfileReader::FromFile(hostPath);
    // Taken again after the parse: a change made while reading shows in the stamp.
    platform::CFileStamp after;
    const std::int64_t lastChange = std::max(now.m_nChanged, now.m_nModified);
    m_bTrusted = platform::GetFileStamp(hostPath, after) && after == now &&
                 lastChange + kStampTickNs < parsedAt;
    m_strPath = hostPath;
    m_stamp = now;
    return m_reader;
}

}  // namespace setup
