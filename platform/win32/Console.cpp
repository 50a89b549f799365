#include "platform/Console.h"

#include <windows.h>

#include <cstdio>

#include "platform/win32/Handle.h"
#include "platform/win32/WideString.h"

namespace platform {

namespace {

volatile LONG g_interrupted = 0;

BOOL WINAPI NoteInterrupt(DWORD event) {
    ::InterlockedExchange(&g_interrupted, 1);
    if (event == CTRL_C_EVENT || event == CTRL_BREAK_EVENT) {
        return TRUE;
    }
    // A closed console window, a logoff or a shutdown end the process as soon as this
    // handler returns. It never does: the program ends itself when it has stopped at a
    // point of its choosing, which ends this thread too, unless the system's patience
    // (a few seconds) runs out first.
    ::Sleep(INFINITE);
    return TRUE;
}

// Writes `text` whole to `file`; false when it could not.
bool WriteAllTo(HANDLE file, std::string_view text) {
    while (!text.empty()) {
        DWORD written = 0;
        const DWORD chunk = text.size() > (1u << 30) ? (1u << 30) : static_cast<DWORD>(text.size());
        if (!::WriteFile(file, text.data(), chunk, &written, nullptr) || written == 0) {
            return false;
        }
        text.remove_prefix(written);
    }
    return true;
}

}  // namespace

namespace {

// A program with windows gets no console of its own: started from one, it writes
// there all the same when it attaches to its parent's console. Each stream the
// program was given (a redirection of a script) stays as it is; those it lacks are
// opened on the console, for the system's handles and the run-time's streams alike.
void AttachParentConsole() {
    constexpr DWORD kStreams[] = {STD_INPUT_HANDLE, STD_OUTPUT_HANDLE, STD_ERROR_HANDLE};
    bool bMissing = false;
    for (const DWORD stream : kStreams) {
        bMissing = bMissing || !win32::CHandle::IsHandle(::GetStdHandle(stream));
    }
    if (!bMissing || !::AttachConsole(ATTACH_PARENT_PROCESS)) {
        return;
    }
    struct CStream {
        DWORD id;
        const wchar_t* device;
        FILE* file;
        const wchar_t* mode;
    };
    const CStream streams[] = {{STD_INPUT_HANDLE, L"CONIN$", stdin, L"r"},
                               {STD_OUTPUT_HANDLE, L"CONOUT$", stdout, L"w"},
                               {STD_ERROR_HANDLE, L"CONOUT$", stderr, L"w"}};
    for (const CStream& stream : streams) {
        if (win32::CHandle::IsHandle(::GetStdHandle(stream.id))) {
            continue;
        }
        const HANDLE handle = ::CreateFileW(stream.device, GENERIC_READ | GENERIC_WRITE,
                                            FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                            OPEN_EXISTING, 0, nullptr);
        if (handle != INVALID_HANDLE_VALUE) {
            ::SetStdHandle(stream.id, handle);
            FILE* reopened = nullptr;
            _wfreopen_s(&reopened, stream.device, stream.mode, stream.file);
        }
    }
}

}  // namespace

void PrepareStandardStreams() {
    AttachParentConsole();
    // A missing stream is opened on the null device, so that nothing written to it
    // goes anywhere else. A write to a pipe whose reader has gone fails by itself here.
    constexpr DWORD kStreams[] = {STD_INPUT_HANDLE, STD_OUTPUT_HANDLE, STD_ERROR_HANDLE};
    for (const DWORD stream : kStreams) {
        if (!win32::CHandle::IsHandle(::GetStdHandle(stream))) {
            const HANDLE null =
                ::CreateFileW(L"NUL", GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                              nullptr, OPEN_EXISTING, 0, nullptr);
            ::SetStdHandle(stream, null);
        }
    }
    // The log's texts are UTF-8, as every text of the program.
    ::SetConsoleOutputCP(CP_UTF8);
}

bool StandardErrorIsTerminal() {
    DWORD mode = 0;
    return ::GetConsoleMode(::GetStdHandle(STD_ERROR_HANDLE), &mode) != 0;
}

bool WriteToStandardError(std::string_view text) {
    std::fflush(stderr);  // what the run-time holds goes first
    const HANDLE error = ::GetStdHandle(STD_ERROR_HANDLE);
    return win32::CHandle::IsHandle(error) && WriteAllTo(error, text);
}

CLogFile::~CLogFile() {
    win32::CloseSystemHandle(m_hFile);
}

bool CLogFile::Open(const std::string& path) {
    // Appends only, shared with readers of the log; a device, a pipe or a folder is
    // refused.
    win32::CHandle file(::CreateFileW(win32::WidePath(path).c_str(), FILE_APPEND_DATA,
                                      FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                      OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    BY_HANDLE_FILE_INFORMATION info;
    if (!file.IsOpen() || ::GetFileType(file.Get()) != FILE_TYPE_DISK ||
        !::GetFileInformationByHandle(file.Get(), &info) ||
        (info.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0) {
        return false;
    }
    win32::CloseSystemHandle(m_hFile);
    m_hFile = win32::SystemHandleOf(file.Release());
    return true;
}

bool CLogFile::Write(std::string_view text) {
    return m_hFile != kNoHandle && WriteAllTo(win32::HandleOf(m_hFile), text);
}

void CatchInterrupts() {
    ::SetConsoleCtrlHandler(NoteInterrupt, TRUE);
}

bool InterruptRequested() {
    return g_interrupted != 0;
}

}  // namespace platform
