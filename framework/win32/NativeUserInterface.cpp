#include "framework/win32/NativeUserInterface.h"

#include "framework/win32/SystemHeaders.h"

#include "platform/win32/WideString.h"

namespace framework::win32 {

namespace {

UINT IconStyle(platform::MessageIcon icon) {
    switch (icon) {
        case platform::MessageIcon::Exclamation:
            return MB_ICONEXCLAMATION;
        case platform::MessageIcon::Information:
            return MB_ICONINFORMATION;
        case platform::MessageIcon::Question:
            return MB_ICONQUESTION;
        case platform::MessageIcon::Stop:
            return MB_ICONSTOP;
        case platform::MessageIcon::None:
            break;
    }
    return 0;
}

}  // namespace

platform::MessageResult ShowSystemMessageBox(const std::string& text, const std::string& caption,
                                             platform::MessageIcon icon,
                                             platform::MessageButtons buttons) {
    const std::wstring message = platform::win32::Wide(text);
    const std::wstring title = platform::win32::Wide(caption);
    // The box belongs to the window in front, the modal dialog over the main window.
    const HWND hOwner = ::GetActiveWindow();
    if (buttons == platform::MessageButtons::Ok) {
        ::MessageBoxW(hOwner, message.c_str(), title.c_str(), MB_OK | IconStyle(icon));
        return platform::MessageResult::Ok;
    }
    // A question has exactly two answers. Without a Cancel button the system ignores
    // Escape and the close box; a box that was ended otherwise all the same (some
    // implementations answer Escape with Cancel) is asked again, so that no answer
    // is ever given unasked.
    for (;;) {
        const int answer = ::MessageBoxW(hOwner, message.c_str(), title.c_str(),
                                         MB_YESNO | MB_DEFBUTTON1 | IconStyle(icon));
        if (answer == IDYES) {
            return platform::MessageResult::Yes;
        }
        if (answer == IDNO || answer == 0) {
            // 0: the box could not be shown at all, which must not read as consent.
            return platform::MessageResult::No;
        }
    }
}

void DefaultBeep() {
    ::MessageBeep(MB_OK);
}

void PumpMessages() {
    MSG msg;
    while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (msg.message == WM_QUIT) {
            // The quit request belongs to the loop that runs the program.
            ::PostQuitMessage(static_cast<int>(msg.wParam));
            return;
        }
        ::TranslateMessage(&msg);
        ::DispatchMessageW(&msg);
    }
}

void PumpPaintMessages() {
    MSG msg;
    while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE | PM_QS_PAINT)) {
        ::DispatchMessageW(&msg);
    }
}

void ShowWaitCursor(bool busy) {
    ::SetCursor(::LoadCursorW(nullptr, busy ? IDC_WAIT : IDC_ARROW));
}

}  // namespace framework::win32
