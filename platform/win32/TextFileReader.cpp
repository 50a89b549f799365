#include "platform/TextFileReader.h"

#include <windows.h>

#include "platform/win32/Handle.h"
#include "platform/win32/WideString.h"

namespace platform {

CTextFileReader::~CTextFileReader() {
    Close();
}

bool CTextFileReader::Open(const std::string& path) {
    Close();
    // Without FILE_FLAG_BACKUP_SEMANTICS a folder does not open at all.
    win32::CHandle file(::CreateFileW(win32::WidePath(path).c_str(), GENERIC_READ,
                                      FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                      OPEN_EXISTING, FILE_FLAG_SEQUENTIAL_SCAN, nullptr));
    if (!file.IsOpen()) {
        return false;
    }
    Attach(win32::SystemHandleOf(file.Release()));
    return true;
}

std::size_t CTextFileReader::GetLength() const {
    LARGE_INTEGER size;
    if (m_hFile == kNoHandle || ::GetFileType(win32::HandleOf(m_hFile)) != FILE_TYPE_DISK ||
        !::GetFileSizeEx(win32::HandleOf(m_hFile), &size)) {
        return 0;
    }
    return static_cast<std::size_t>(size.QuadPart);
}

void CTextFileReader::Close() {
    win32::CloseSystemHandle(m_hFile);
}

bool CTextFileReader::Fill() {
    if (m_bEnded || m_bFailed || m_hFile == kNoHandle) {
        return false;
    }
    DWORD got = 0;
    if (!::ReadFile(win32::HandleOf(m_hFile), m_buffer.data(), static_cast<DWORD>(m_buffer.size()),
                    &got, nullptr)) {
        // The write end of a pipe closed is its end, as on POSIX.
        if (::GetLastError() == ERROR_BROKEN_PIPE) {
            m_bEnded = true;
        } else {
            m_bFailed = true;
        }
        return false;
    }
    if (got == 0) {
        m_bEnded = true;
        return false;
    }
    m_nPos = 0;
    m_nEnd = got;
    return true;
}

}  // namespace platform
