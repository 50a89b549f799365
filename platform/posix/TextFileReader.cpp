#include "platform/TextFileReader.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "platform/PathCase.h"

namespace platform {

namespace {

constexpr std::size_t kBlockSize = 1 << 16;
constexpr char kEndOfFile = '\x1A';

}  // namespace

CTextFileReader::CTextFileReader() : m_buffer(kBlockSize) {}

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

void CTextFileReader::Attach(int descriptor) {
    Close();
    m_nDescriptor = descriptor;
    m_nPos = m_nEnd = 0;
    m_bEnded = m_bFailed = false;
}

void CTextFileReader::Close() {
    if (m_nDescriptor >= 0) {
        ::close(m_nDescriptor);
        m_nDescriptor = -1;
    }
}

bool CTextFileReader::Fill() {
    if (m_bEnded || m_bFailed || m_nDescriptor < 0) {
        return false;
    }
    for (;;) {
        const ssize_t got = ::read(m_nDescriptor, m_buffer.data(), m_buffer.size());
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

CTextFileReader::Result CTextFileReader::ReadLine(std::string& line) {
    line.clear();
    bool bAny = false;  // whether this line has any byte at all, so "" is not a line at the end
    for (;;) {
        if (m_nPos == m_nEnd && !Fill()) {
            if (m_bFailed || m_nDescriptor < 0) {
                return Result::Error;
            }
            return bAny ? Result::Line : Result::End;
        }
        const char* begin = m_buffer.data() + m_nPos;
        const std::size_t available = m_nEnd - m_nPos;
        const char* newline = static_cast<const char*>(std::memchr(begin, '\n', available));
        const std::size_t span = newline ? static_cast<std::size_t>(newline - begin) : available;
        if (const void* stop = std::memchr(begin, kEndOfFile, span)) {
            // Everything after CTRL-Z is ignored, as if the file ended there.
            const std::size_t kept =
                static_cast<std::size_t>(static_cast<const char*>(stop) - begin);
            line.append(begin, kept);
            bAny = bAny || kept > 0;
            m_nPos = m_nEnd;
            m_bEnded = true;
            return bAny ? Result::Line : Result::End;
        }
        line.append(begin, span);
        if (newline == nullptr) {
            bAny = bAny || span > 0;
            m_nPos = m_nEnd;
            continue;
        }
        m_nPos += span + 1;
        // The CR may have come at the end of the previous block, so look at the line.
        if (!line.empty() && line.back() == '\r') {
            line.pop_back();
        }
        return Result::Line;
    }
}

}  // namespace platform
