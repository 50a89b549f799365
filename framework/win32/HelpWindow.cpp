#include "framework/win32/HelpWindow.h"

#include "framework/win32/SystemHeaders.h"
// After <windows.h>, whose types they use.
#include <commctrl.h>
#include <richedit.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "framework/HelpWindowBackend.h"
#include "framework/win32/HelpRichText.h"
#include "framework/win32/WindowIcons.h"
#include "framework/win32/WindowText.h"
#include "platform/UserInterface.h"
#include "platform/win32/WideString.h"

namespace framework {

namespace {

constexpr const wchar_t* kWindowClass = L"FrameworkHelpWindow";
// The window's size in pixels at 96 dots per inch, as in the other backend.
constexpr int kWidth = 560;
constexpr int kHeight = 480;

LRESULT CALLBACK HelpProcedure(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_SIZE:
            if (HWND hText = ::GetWindow(hWnd, GW_CHILD)) {
                ::MoveWindow(hText, 0, 0, LOWORD(lParam), HIWORD(lParam), TRUE);
            }
            return 0;
        case WM_SETFOCUS:
            if (HWND hText = ::GetWindow(hWnd, GW_CHILD)) {
                ::SetFocus(hText);
            }
            return 0;
        case WM_CLOSE:
            // Closed by the user it only hides: the program opens the same window again.
            ::ShowWindow(hWnd, SW_HIDE);
            return 0;
        default:
            return ::DefWindowProcW(hWnd, message, wParam, lParam);
    }
}

// Escape in the text hides the window, as it closes a dialog; with Shift, Ctrl or Alt
// held it is another key.
LRESULT CALLBACK TextProcedure(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                               DWORD_PTR) {
    if (message == WM_KEYDOWN && wParam == VK_ESCAPE &&
        (::GetKeyState(VK_SHIFT) | ::GetKeyState(VK_CONTROL) | ::GetKeyState(VK_MENU)) >= 0) {
        ::ShowWindow(::GetParent(hWnd), SW_HIDE);
        return 0;
    }
    return ::DefSubclassProc(hWnd, message, wParam, lParam);
}

struct CStreamSource {
    const std::string& text;
    std::size_t offset = 0;
};

DWORD CALLBACK ReadStream(DWORD_PTR cookie, LPBYTE pBuffer, LONG cb, LONG* pcb) {
    auto* pSource = reinterpret_cast<CStreamSource*>(cookie);
    const std::size_t count =
        std::min(static_cast<std::size_t>(cb), pSource->text.size() - pSource->offset);
    pSource->text.copy(reinterpret_cast<char*>(pBuffer), count, pSource->offset);
    pSource->offset += count;
    *pcb = static_cast<LONG>(count);
    return 0;
}

std::string ReadFile(const std::string& path) {
    std::ifstream in(std::filesystem::path(platform::win32::Wide(path)), std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

}  // namespace

CHelpWindow::CHelpWindow() {
    const HINSTANCE hInstance = ::GetModuleHandleW(nullptr);
    // The rich edit of version 4.1 and later; the library stays for the program's life.
    ::LoadLibraryW(L"Msftedit.dll");
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof(windowClass);
    windowClass.lpfnWndProc = HelpProcedure;
    windowClass.hInstance = hInstance;
    windowClass.hCursor = ::LoadCursorW(nullptr, IDC_ARROW);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    windowClass.lpszClassName = kWindowClass;
    ::RegisterClassExW(&windowClass);  // fails harmlessly when already registered
    const HWND hWnd = ::CreateWindowExW(0, kWindowClass, L"", WS_OVERLAPPEDWINDOW, CW_USEDEFAULT,
                                        CW_USEDEFAULT, kWidth, kHeight, nullptr, nullptr,
                                        hInstance, nullptr);
    RECT client{};
    ::GetClientRect(hWnd, &client);
    const HWND hText = ::CreateWindowExW(
        0, MSFTEDIT_CLASS, L"",
        WS_CHILD | WS_VISIBLE | WS_VSCROLL | WS_TABSTOP | ES_MULTILINE | ES_READONLY |
            ES_AUTOVSCROLL | ES_NOHIDESEL,
        0, 0, client.right, client.bottom, hWnd, nullptr, hInstance, nullptr);
    ::SetWindowSubclass(hText, TextProcedure, 0, 0);
    // The program's icon, as on its dialogs.
    win32::ApplyClassIcon(hWnd);
    m_hWnd = hWnd;
    m_hText = hText;
}

CHelpWindow::~CHelpWindow() {
    ::DestroyWindow(static_cast<HWND>(m_hWnd));
}

bool CHelpWindow::CanShow(const std::string& path) {
    const DWORD attributes = ::GetFileAttributesW(platform::win32::Wide(path).c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES || (attributes & FILE_ATTRIBUTE_DIRECTORY)) {
        return false;
    }
    return std::ifstream(std::filesystem::path(platform::win32::Wide(path)), std::ios::binary).good();
}

void CHelpWindow::ShowContents(const std::string& path) {
    const HWND hWnd = static_cast<HWND>(m_hWnd);
    const HWND hText = static_cast<HWND>(m_hText);
    const win32::CHelpRichText document = win32::RichTextFromHtml(ReadFile(path));
    CStreamSource source{document.rtf};
    EDITSTREAM stream{};
    stream.dwCookie = reinterpret_cast<DWORD_PTR>(&source);
    stream.pfnCallback = ReadStream;
    ::SendMessageW(hText, EM_STREAMIN, SF_RTF, reinterpret_cast<LPARAM>(&stream));
    ::SendMessageW(hText, EM_SETSEL, 0, 0);
    ::SendMessageW(hText, EM_SCROLLCARET, 0, 0);
    // The document's own title names the window; the program's name stands in for a
    // document without one.
    win32::SetWindowTextUtf8(hWnd, document.title.empty() ? platform::DisplayName()
                                                          : document.title);
    ::ShowWindow(hWnd, SW_SHOW);
    ::SetForegroundWindow(hWnd);
    ::SetFocus(hText);
}

std::string CHelpWindow::Title() const {
    return win32::WindowText(static_cast<HWND>(m_hWnd));
}

std::string CHelpWindow::Text() const {
    return win32::WindowText(static_cast<HWND>(m_hText));
}

bool CanShowHelpFile(const std::string& path) {
    return CHelpWindow::CanShow(path);
}

CHelpWindow* ShowHelpFile(CHelpWindow* pWindow, const std::string& path) {
    if (pWindow == nullptr) {
        pWindow = new CHelpWindow();
    }
    pWindow->ShowContents(path);
    return pWindow;
}

void DestroyHelpWindow(CHelpWindow* pWindow) {
    delete pWindow;
}

}  // namespace framework
