#include "platform/ProgramPath.h"

#include <windows.h>

#include <vector>

#include "platform/win32/WideString.h"

namespace platform {

namespace {

std::string& Override() {
    static std::string path;
    return path;
}

std::string ReadOwnExecutable() {
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

}  // namespace

std::string ProgramPath() {
    if (!Override().empty()) {
        return Override();
    }
    static const std::string real = ReadOwnExecutable();
    return real;
}

void OverrideProgramPath(std::string path) {
    Override() = std::move(path);
}

}  // namespace platform
