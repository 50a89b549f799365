#include "platform/ProfileFile.h"

#include <windows.h>

#include <vector>

#include "platform/win32/WideString.h"

namespace platform {

bool HasSystemProfileReader() {
    return true;
}

std::string ReadSystemProfileString(const std::string& hostPath, const std::string& section,
                                    const std::string& key, const std::string& defaultValue,
                                    std::size_t maxChars) {
    // One character more than the longest value, for the terminator.
    std::vector<wchar_t> buffer(maxChars + 1);
    const DWORD length = ::GetPrivateProfileStringW(
        win32::Wide(section).c_str(), win32::Wide(key).c_str(), win32::Wide(defaultValue).c_str(),
        buffer.data(), static_cast<DWORD>(buffer.size()), win32::WidePath(hostPath).c_str());
    return win32::Narrow(std::wstring_view(buffer.data(), length));
}

int ReadSystemProfileInt(const std::string& hostPath, const std::string& section,
                         const std::string& key, int defaultValue) {
    return static_cast<int>(::GetPrivateProfileIntW(win32::Wide(section).c_str(),
                                                    win32::Wide(key).c_str(), defaultValue,
                                                    win32::WidePath(hostPath).c_str()));
}

}  // namespace platform
