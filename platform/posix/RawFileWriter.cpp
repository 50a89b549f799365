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

bool CRawFileWriter::Create(const std::string& path) {
    Restart();
    m_strPath = ResolveExistingCase(path);
    m_hFile = ::open(m_strPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
    return m_hFile != kNoHandle;
}

bool CRawFileWriter::CreateReplacement(const std::string& path) {
    Restart();
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

bool CRawFileWriter::WriteToFile(CSystemHandle file, std::string_view bytes) {
    return posix::WriteAll(posix::Descriptor(file), bytes);
}

bool CRawFileWriter::SyncFile(CSystemHandle file) {
    return FileSystemCalls().m_pFsync(posix::Descriptor(file)) == 0;
}

bool CRawFileWriter::CloseFile(CSystemHandle file) {
    return ::close(posix::Descriptor(file)) == 0;
}

}  // namespace platform
