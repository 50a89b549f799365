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

std::size_t CTextFileReader::GetLength() const {
    struct stat info;
    if (m_nDescriptor < 0 || ::fstat(m_nDescriptor, &info) != 0 || !S_ISREG(info.st_mode)) {
        return 0;
    }
    return static_cast<std::size_t>(info.st_size);
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

CTextFileReader::Result CTextFileReader::ReadLineView(std::string_view& line) {
    // A line that lies inside the buffer is handed out in place; only a line that
    // spans blocks is gathered in m_strPending.
    m_strPending.clear();
    for (;;) {
        if (m_nPos == m_nEnd && !Fill()) {
            if (m_bFailed || m_nDescriptor < 0) {
                return Result::Error;
            }
            // A last line without a line end counts; nothing at all after the last
            // line end is no line.
            line = m_strPending;
            return m_strPending.empty() ? Result::End : Result::Line;
        }
        const char* begin = m_buffer.data() + m_nPos;
        const std::size_t available = m_nEnd - m_nPos;
        const char* newline = static_cast<const char*>(std::memchr(begin, '\n', available));
        const std::size_t span = newline ? static_cast<std::size_t>(newline - begin) : available;
        if (const void* stop = std::memchr(begin, kEndOfFile, span)) {
            // Everything after CTRL-Z is ignored, as if the file ended there.
            m_strPending.append(begin, static_cast<const char*>(stop));
            m_nPos = m_nEnd;
            m_bEnded = true;
            line = m_strPending;
            return m_strPending.empty() ? Result::End : Result::Line;
        }
        if (newline == nullptr) {
            m_strPending.append(begin, span);
            m_nPos = m_nEnd;
            continue;
        }
        m_nPos += span + 1;
        if (m_strPending.empty()) {
            line = std::string_view(begin, span);
        } else {
            m_strPending.append(begin, span);
            line = m_strPending;
        }
        // Looked for in the whole line: the CR may have ended the previous block.
        if (!line.empty() && line.back() == '\r') {
            line.remove_suffix(1);
        }
        return Result::Line;
    }
}

CTextFileReader::Result CTextFileReader::ReadLine(std::string& line) {
    std::string_view view;
    const Result result = ReadLineView(view);
    line.assign(result == Result::Line ? view : std::string_view());
    return result;
}

}  // namespace platform
