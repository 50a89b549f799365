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

std::string EntryText(HWND hWnd, UINT lengthMessage, UINT textMessage, int nIndex) {
    // Both kinds of list answer -1 for an entry they do not have.
    const LRESULT length = nIndex < 0 ? -1 : ::SendMessageW(hWnd, lengthMessage, nIndex, 0);
    if (length < 0) {
        return std::string();
    }
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    ::SendMessageW(hWnd, textMessage, nIndex, reinterpret_cast<LPARAM>(text.data()));
    text.resize(static_cast<std::size_t>(length));
    return platform::win32::Narrow(text);
}

}  // namespace framework::win32
