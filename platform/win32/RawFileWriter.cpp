#include "platform/RawFileWriter.h"

#include <windows.h>

#include <cstdint>

#include "platform/win32/FileSystemCalls.h"
#include "platform/win32/Handle.h"
#include "platform/win32/WideString.h"

namespace platform {

namespace {

constexpr std::size_t kBlockSize = 1 << 16;
// Names tried before giving up; each is one of 62^6, so a clash is rare already.
constexpr int kNameAttempts = 100;

// Six letters and digits, different for every call of every process. The game's
// own random generator is not used: its sequence belongs to the puzzle draw.
std::string RandomSuffix() {
    static std::uint64_t s_state = [] {
        FILETIME now;
        ::GetSystemTimePreciseAsFileTime(&now);
        return ((static_cast<std::uint64_t>(now.dwHighDateTime) << 32) | now.dwLowDateTime) ^
               (static_cast<std::uint64_t>(::GetCurrentProcessId()) << 40);
    }();
    // splitmix64: every step gives a well-mixed value.
    s_state += 0x9E3779B97F4A7C15ull;
    std::uint64_t z = s_state;
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    z ^= z >> 31;
    static constexpr char kChars[] =
        "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
    std::string suffix;
    for (int i = 0; i < 6; ++i) {
        suffix += kChars[z % 62];
        z /= 62;
    }
    return suffix;
}

bool WriteAll(HANDLE file, std::string_view bytes) {
    while (!bytes.empty()) {
        const unsigned long count =
            bytes.size() > (1u << 30) ? (1u << 30) : static_cast<unsigned long>(bytes.size());
        unsigned long written = 0;
        if (!FileSystemCalls().m_pWrite(file, bytes.data(), count, &written) || written == 0) {
            return false;
        }
        bytes.remove_prefix(written);
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
    m_strPath = path;
    m_hFile = win32::SystemHandleOf(::CreateFileW(win32::WidePath(path).c_str(), GENERIC_WRITE,
                                                  FILE_SHARE_READ, nullptr, CREATE_ALWAYS,
                                                  FILE_ATTRIBUTE_NORMAL, nullptr));
    return m_hFile != kNoHandle;
}

bool CRawFileWriter::CreateReplacement(const std::string& path) {
    Close();
    m_bFailed = false;
    m_buffer.clear();
    m_strPath.clear();
    // CREATE_NEW never opens an existing file, and never through a link: the new file
    // is made here or the attempt fails. It takes the original's attributes (hidden,
    // read-only for others to see) when it replaces it.
    const DWORD original = ::GetFileAttributesW(win32::WidePath(path).c_str());
    const DWORD attributes =
        original == INVALID_FILE_ATTRIBUTES
            ? FILE_ATTRIBUTE_NORMAL
            : (original & (FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_ARCHIVE)) | FILE_ATTRIBUTE_NORMAL;
    for (int attempt = 0; attempt < kNameAttempts; ++attempt) {
        const std::string candidate = path + "." + RandomSuffix();
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

bool CRawFileWriter::FlushBuffer() {
    if (m_bFailed || m_hFile == kNoHandle) {
        m_bFailed = true;
        return false;
    }
    if (!WriteAll(win32::HandleOf(m_hFile), std::string_view(m_buffer.data(), m_buffer.size()))) {
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
        if (!WriteAll(win32::HandleOf(m_hFile), bytes)) {
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
    if (!FileSystemCalls().m_pFlush(win32::HandleOf(m_hFile))) {
        m_bFailed = true;
        return false;
    }
    return true;
}

bool CRawFileWriter::Close() {
    if (m_hFile == kNoHandle) {
        return !m_bFailed;
    }
    if (!m_buffer.empty()) {
        FlushBuffer();
    }
    // Some file systems (network shares, quotas) report a failed write only here.
    if (!FileSystemCalls().m_pClose(win32::HandleOf(m_hFile))) {
        m_bFailed = true;
    }
    m_hFile = kNoHandle;
    return !m_bFailed;
}

}  // namespace platform
