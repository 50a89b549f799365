#include "platform/RawFileWriter.h"

#include <windows.h>

#include "platform/TemporaryName.h"
#include "platform/win32/FileSystemCalls.h"
#include "platform/win32/Handle.h"
#include "platform/win32/WideString.h"
#include "platform/win32/WriteAll.h"

namespace platform {

bool CRawFileWriter::Create(const std::string& path) {
    Restart();
    m_strPath = path;
    m_hFile = win32::SystemHandleOf(::CreateFileW(win32::WidePath(path).c_str(), GENERIC_WRITE,
                                                  FILE_SHARE_READ, nullptr, CREATE_ALWAYS,
                                                  FILE_ATTRIBUTE_NORMAL, nullptr));
    return m_hFile != kNoHandle;
}

bool CRawFileWriter::CreateReplacement(const std::string& path) {
    Restart();
    m_strPath.clear();
    // CREATE_NEW never opens an existing file, and never through a link: the new file
    // is made here or the attempt fails. It takes the original's attributes (hidden,
    // read-only for others to see) when it replaces it.
    const DWORD original = ::GetFileAttributesW(win32::WidePath(path).c_str());
    const DWORD attributes =
        original == INVALID_FILE_ATTRIBUTES
            ? FILE_ATTRIBUTE_NORMAL
            : (original & (FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_ARCHIVE)) | FILE_ATTRIBUTE_NORMAL;
    for (int attempt = 0; attempt < kRandomNameAttempts; ++attempt) {
        const std::string candidate = path + "." + RandomNameSuffix();
        const HANDLE file = ::CreateFileW(win32::WidePath(candidate).c_str(), GENERIC_WRITE,
                                          FILE_SHARE_READ, nullptr, CREATE_NEW, attributes, nullptr);
        if (win32::CHandle::IsHandle(file)) {
            m_hFile = win32::SystemHandleOf(file);
            m_strPath = candidate;
            return true;
        }
        if (::GetLastError() != ERROR_FILE_EXISTS) {
            return false;
        }
    }
    return false;
}

bool CRawFileWriter::WriteToFile(CSystemHandle file, std::string_view bytes) {
    return win32::WriteAll(win32::HandleOf(file), bytes);
}

bool CRawFileWriter::SyncFile(CSystemHandle file) {
    return FileSystemCalls().m_pFlush(win32::HandleOf(file)) != 0;
}

bool CRawFileWriter::CloseFile(CSystemHandle file) {
    return FileSystemCalls().m_pClose(win32::HandleOf(file)) != 0;
}

}  // namespace platform
