#include "platform/TextFileReader.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "platform/PathCase.h"
#include "platform/posix/Descriptor.h"

namespace platform {

CTextFileReader::~CTextFileReader() {
    Close();
}

bool CTextFileReader::Open(const std::string& path) {
    Close();
    const int descriptor = ::open(ResolveExistingCase(path).c_str(), O_RDONLY | O_CLOEXEC);
    if (descriptor < 0) {
        return false;
    }
    struct stat info;
    if (::fstat(descriptor, &info) != 0 || S_ISDIR(info.st_mode)) {
        ::close(descriptor);
        return false;
    }
    Attach(descriptor);
    return true;
}

std::size_t CTextFileReader::GetLength() const {
    struct stat info;
    if (m_hFile == kNoHandle || ::fstat(posix::Descriptor(m_hFile), &info) != 0 || !S_ISREG(info.st_mode)) {
        return 0;
    }
    return static_cast<std::size_t>(info.st_size);
}

void CTextFileReader::Close() {
    if (m_hFile != kNoHandle) {
        ::close(posix::Descriptor(m_hFile));
        m_hFile = kNoHandle;
    }
}

bool CTextFileReader::Fill() {
    if (m_bEnded || m_bFailed || m_hFile == kNoHandle) {
        return false;
    }
    for (;;) {
        const ssize_t got = ::read(posix::Descriptor(m_hFile), m_buffer.data(), m_buffer.size());
        if (got > 0) {
            m_nPos = 0;
            m_nEnd = static_cast<std::size_t>(got);
            return true;
        }
        if (got == 0) {
            m_bEnded = true;
            return false;
        }
        if (errno != EINTR) {
            m_bFailed = true;
            return false;
        }
    }
}

}  // namespace platform
