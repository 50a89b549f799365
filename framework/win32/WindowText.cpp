#include "framework/win32/WindowText.h"

#include "platform/win32/WideString.h"

namespace framework::win32 {

std::string WindowText(HWND hWnd) {
    std::wstring text(static_cast<std::size_t>(::GetWindowTextLengthW(hWnd)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(
        ::GetWindowTextW(hWnd, text.data(), static_cast<int>(text.size()))));
    return platform::win32::Narrow(text);
}

void SetWindowTextUtf8(HWND hWnd, const std::string& text) {
    ::SetWindowTextW(hWnd, platform::win32::Wide(text).c_str());
}

}  // namespace framework::win32
