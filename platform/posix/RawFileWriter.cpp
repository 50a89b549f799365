#include "platform/RawFileWriter.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "platform/posix/Descriptor.h"
#include "platform/posix/FileSystemCalls.h"
#include "platform/PathCase.h"
#include "platform/TemporaryName.h"
#include "platform/posix/WriteAll.h"

namespace platform {

namespace {

constexpr std::size_t kBlockSize = 1 << 16;
// Sets the permission bits and group of the new file to those of `original`.
bool TakeAttributesOf(int descriptor, const struct stat& original) {
    // Only the owner's own groups are allowed without privileges; another group is
    // kept where it can be and silently not where it cannot. Changing the group may
    // clear set-id bits, so the mode comes after it, past the process's umask.
    if (::fchown(descriptor, static_cast<uid_t>(-1), original.st_gid) != 0 && errno != EPERM) {
        return false;
    }
    return ::fchmod(descriptor, original.st_mode & 07777) == 0;
}

}  // namespace

CRawFileWriter::CRawFileWriter() {
    m_buffer.reserve(kBlockSize);
}

CRawFileWriter::~CRawFileWriter() {
    Close();
}

bool CRawFileWriter::Create(const std::string& path) {
    Close();
    m_bFailed = false;
    m_buffer.clear();
    m_strPath = ResolveExistingCase(path);
    m_hFile = ::open(m_strPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
    return m_hFile != kNoHandle;
}

bool CRawFileWriter::CreateReplacement(const std::string& path) {
    Close();
    m_bFailed = false;
    m_buffer.clear();
    m_strPath.clear();
    const std::string target = ResolveExistingCase(path);
    struct stat original;
    const bool bOriginal = ::stat(target.c_str(), &original) == 0 && S_ISREG(original.st_mode);
    // Never more open than the original while it is filled; the exact bits follow.
    const mode_t mode = bOriginal ? (original.st_mode & 0666) : 0666;
    for (int attempt = 0; attempt < kRandomNameAttempts; ++attempt) {
        const std::string candidate = target + "." + RandomNameSuffix();
        const int descriptor =
            ::open(candidate.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, mode);
        if (descriptor >= 0) {
            m_hFile = descriptor;
            m_strPath = candidate;
            break;
        }
        if (errno != EEXIST) {
            return false;
        }
    }
    if (m_hFile == kNoHandle) {
        return false;
    }
    if (bOriginal && !TakeAttributesOf(posix::Descriptor(m_hFile), original)) {
        ::close(posix::Descriptor(m_hFile));
        m_hFile = kNoHandle;
        ::unlink(m_strPath.c_str());
        m_strPath.clear();
        return false;
    }
    return true;
}

bool CRawFileWriter::FlushBuffer() {
    if (m_bFailed || m_hFile == kNoHandle) {
        m_bFailed = true;
        return false;
    }
    if (!posix::WriteAll(posix::Descriptor(m_hFile), std::string_view(m_buffer.data(), m_buffer.size()))) {
        m_bFailed = true;
    }
    m_buffer.clear();
    return !m_bFailed;
}

bool CRawFileWriter::Write(std::string_view bytes) {
    if (m_bFailed || m_hFile == kNoHandle) {
        m_bFailed = true;
        return false;
    }
    if (m_buffer.size() + bytes.size() > kBlockSize && !FlushBuffer()) {
        return false;
    }
    if (bytes.size() >= kBlockSize) {
        if (!posix::WriteAll(posix::Descriptor(m_hFile), bytes)) {
            m_bFailed = true;
        }
        return !m_bFailed;
    }
    m_buffer.insert(m_buffer.end(), bytes.begin(), bytes.end());
    return true;
}

bool CRawFileWriter::Sync() {
    if (!FlushBuffer()) {
        return false;
    }
    if (FileSystemCalls().m_pFsync(posix::Descriptor(m_hFile)) != 0) {
        m_bFailed = true;
    }
    return !m_bFailed;
}

bool CRawFileWriter::Close() {
    if (m_hFile == kNoHandle) {
        return !m_bFailed;
    }
    if (!m_buffer.empty()) {
        FlushBuffer();
    }
    // Some file systems (network, quota) report a failed write only here.
    if (::close(posix::Descriptor(m_hFile)) != 0) {
        m_bFailed = true;
    }
    m_hFile = kNoHandle;
    return !m_bFailed;
}

}  // namespace platform
