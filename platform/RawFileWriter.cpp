#include "platform/RawFileWriter.h"

namespace platform {

namespace {

// Small writes are gathered into blocks of this size; a larger one goes straight on.
constexpr std::size_t kBlockSize = 1 << 16;

}  // namespace

CRawFileWriter::CRawFileWriter() {
    m_buffer.reserve(kBlockSize);
}

CRawFileWriter::~CRawFileWriter() {
    Close();
}

void CRawFileWriter::Restart() {
    Close();
    m_bFailed = false;
    m_buffer.clear();
}

bool CRawFileWriter::FlushBuffer() {
    if (m_bFailed || m_hFile == kNoHandle) {
        m_bFailed = true;
        return false;
    }
    if (!WriteToFile(m_hFile, std::string_view(m_buffer.data(), m_buffer.size()))) {
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
        if (!WriteToFile(m_hFile, bytes)) {
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
    if (!SyncFile(m_hFile)) {
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
    // Some file systems (network shares, quotas) report a failed write only here.
    if (!CloseFile(m_hFile)) {
        m_bFailed = true;
    }
    m_hFile = kNoHandle;
    return !m_bFailed;
}

}  // namespace platform
