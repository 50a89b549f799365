#include "platform/ProgramPath.h"

#include <windows.h>

#include <vector>

#include "platform/win32/WideString.h"

namespace platform {

std::string SystemProgramPath() {
    // The name may be longer than MAX_PATH; grow the buffer until it fits.
    std::vector<wchar_t> buffer(MAX_PATH);
    for (;;) {
        const DWORD length =
            ::GetModuleFileNameW(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
        if (length == 0) {
            return {};
        }
        if (length < buffer.size()) {
            return win32::HostPathOf(std::wstring_view(buffer.data(), length));
        }
        buffer.resize(buffer.size() * 2);
    }
}

bool MoveProgramFileAside() {
    wchar_t own[MAX_PATH];
    wchar_t temporary[MAX_PATH];
    const DWORD length = ::GetTempPathW(MAX_PATH, temporary);
    if (::GetModuleFileNameW(nullptr, own, MAX_PATH) == 0 || length == 0 || length >= MAX_PATH) {
        return false;
    }
    const std::wstring aside = std::wstring(temporary) + L"setup-" +
                               std::to_wstring(::GetCurrentProcessId()) + L"-" +
                               std::to_wstring(::GetTickCount64()) + L".exe";
    // A rename only: a copy across volumes would leave the file where it is.
    if (!::MoveFileExW(own, aside.c_str(), 0)) {
        return false;
    }
    // Granted to administrators only; for anyone else the file stays until the
    // temporary folder is cleaned.
    ::MoveFileExW(aside.c_str(), nullptr, MOVEFILE_DELAY_UNTIL_REBOOT);
    return true;
}

}  // namespace platform
