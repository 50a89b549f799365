#include "platform/RawFileWriter.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>

#include "platform/PathCase.h"

namespace platform {

namespace {

constexpr std::size_t kBlockSize = 1 << 16;

bool WriteAll(int descriptor, const char* data, std::size_t size) {
    while (size > 0) {
        const ssize_t put = ::write(descriptor, data, size);
        if (put < 0) {
            if (errno == EINTR) {
                continue;
            }
            return false;
        }
        data += put;
        size -= static_cast<std::size_t>(put);
    }
    return true;
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
    m_nDescriptor =
        ::open(ResolveExistingCase(path).c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
    return m_nDescriptor >= 0;
}

bool CRawFileWriter::FlushBuffer() {
    if (m_bFailed || m_nDescriptor < 0) {
        m_bFailed = true;
        return false;
    }
    if (!WriteAll(m_nDescriptor, m_buffer.data(), m_buffer.size())) {
        m_bFailed = true;
    }
    m_buffer.clear();
    return !m_bFailed;
}

bool CRawFileWriter::Write(std::string_view bytes) {
    if (m_bFailed || m_nDescriptor < 0) {
        m_bFailed = true;
        return false;
    }
    if (m_buffer.size() + bytes.size() > kBlockSize && !FlushBuffer()) {
        return false;
    }
    if (bytes.size() >= kBlockSize) {
        if (!WriteAll(m_nDescriptor, bytes.data(), bytes.size())) {
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
    if (::fsync(m_nDescriptor) != 0) {
        m_bFailed = true;
    }
    return !m_bFailed;
}

bool CRawFileWriter::Close() {
    if (m_nDescriptor < 0) {
        return !m_bFailed;
    }
    if (!m_buffer.empty()) {
        FlushBuffer();
    }
    // Some file systems (network, quota) report a failed write only here.
    if (::close(m_nDescriptor) != 0) {
        m_bFailed = true;
    }
    m_nDescriptor = -1;
    return !m_bFailed;
}

}  // namespace platform
