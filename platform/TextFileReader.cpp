#include "platform/TextFileReader.h"

#include <cstring>

namespace platform {

namespace {

constexpr std::size_t kBlockSize = 1 << 16;
constexpr char kEndOfFile = '\x1A';

}  // namespace

CTextFileReader::CTextFileReader() : m_buffer(kBlockSize) {}

void CTextFileReader::Attach(CSystemHandle file) {
    Close();
    m_hFile = file;
    m_nPos = m_nEnd = 0;
    m_bEnded = m_bFailed = false;
}

CTextFileReader::Result CTextFileReader::ReadLineView(std::string_view& line) {
    // A line that lies inside the buffer is handed out in place; only a line that
    // spans blocks is gathered in m_strPending.
    m_strPending.clear();
    for (;;) {
        if (m_nPos == m_nEnd && !Fill()) {
            if (m_bFailed || m_hFile == kNoHandle) {
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
