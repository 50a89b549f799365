// Input as the user gives it, made of the messages the system would queue: each is
// handled as the dialog's loop handles what it takes from the queue, so the dialog
// manager's keyboard (Tab, mnemonics) and the dialog's own keys take part.
#include <gtest/gtest.h>

#include <cctype>
#include <cstring>

#include "framework/Dialog.h"
#include "framework/win32/DialogWindow.h"
#include "framework/win32/Win32Control.h"
#include "framework/win32/SystemHeaders.h"
// After <windows.h>, whose types it uses.
#include <oleacc.h>
#include "platform/win32/WideString.h"
#include "tests/support/DialogDriver.h"

namespace testing_support {

namespace {

HWND KeyTarget(framework::CDialog& dialog) {
    const HWND hDialog = static_cast<HWND>(dialog.GetWindow().Handle());
    const HWND hFocus = ::GetFocus();
    return hFocus && (hFocus == hDialog || ::IsChild(hDialog, hFocus)) ? hFocus : hDialog;
}

// Handles `message` for `hWnd`, then the characters the keyboard made of it.
void Deliver(framework::CDialog& dialog, HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam) {
    MSG msg{hWnd, message, wParam, lParam, static_cast<DWORD>(::GetMessageTime()), {}};
    framework::win32::CNativeDialog& native = dialog.GetWindow().Native();
    native.HandleQueuedMessage(&msg);
    MSG character;
    while (::PeekMessageW(&character, nullptr, WM_CHAR, WM_SYSDEADCHAR, PM_REMOVE)) {
        native.HandleQueuedMessage(&character);
    }
}

UINT VirtualKey(Key key) {
    switch (key) {
        case Key::Enter:
            return VK_RETURN;
        case Key::Escape:
            return VK_ESCAPE;
        case Key::Tab:
            return VK_TAB;
        case Key::Space:
            return VK_SPACE;
        case Key::Backspace:
            return VK_BACK;
        case Key::Delete:
            return VK_DELETE;
        case Key::F1:
            return VK_F1;
        case Key::Home:
            return VK_HOME;
        case Key::End:
            return VK_END;
    }
    return 0;
}

// The modifier held down in the thread's keyboard state while it lives.
class CHeldKey {
public:
    explicit CHeldKey(UINT vk) : m_vk(vk) { Set(0x80); }
    ~CHeldKey() { Set(0); }
    CHeldKey(const CHeldKey&) = delete;
    CHeldKey& operator=(const CHeldKey&) = delete;

private:
    void Set(BYTE state) {
        if (m_vk == 0) {
            return;
        }
        BYTE keys[256];
        ::GetKeyboardState(keys);
        keys[m_vk] = state;
        ::SetKeyboardState(keys);
    }
    UINT m_vk;
};

LPARAM KeyParameter(UINT vk, bool bUp, bool bAlt) {
    LPARAM lParam = 1 | (static_cast<LPARAM>(::MapVirtualKeyW(vk, MAPVK_VK_TO_VSC)) << 16);
    lParam |= bAlt ? (1 << 29) : 0;
    lParam |= bUp ? (static_cast<LPARAM>(3) << 30) : 0;
    return lParam;
}

void KeyStroke(framework::CDialog& dialog, UINT vk, bool bAlt) {
    const HWND hTarget = KeyTarget(dialog);
    Deliver(dialog, hTarget, bAlt ? WM_SYSKEYDOWN : WM_KEYDOWN, vk, KeyParameter(vk, false, bAlt));
    Deliver(dialog, KeyTarget(dialog), bAlt ? WM_SYSKEYUP : WM_KEYUP, vk,
            KeyParameter(vk, true, bAlt));
}

}  // namespace

void ActivateWindow(framework::CDialog& dialog) {
    dialog.ShowWindow();
    ::SetForegroundWindow(static_cast<HWND>(dialog.GetWindow().Handle()));
}

void DeliverPostedCommands(framework::CDialog& dialog) {
    dialog.GetWindow().Native().DeliverPostedCommands();
}

void Click(framework::CWnd& control) {
    const HWND hWnd = framework::win32::Hwnd(control);
    // A disabled or hidden control takes no click: it goes to the window below.
    if (!::IsWindowEnabled(hWnd) || !::IsWindowVisible(hWnd)) {
        return;
    }
    RECT client;
    ::GetClientRect(hWnd, &client);
    const LPARAM point = MAKELPARAM(client.right / 2, client.bottom / 2);
    ::SendMessageW(hWnd, WM_LBUTTONDOWN, MK_LBUTTON, point);
    ::SendMessageW(hWnd, WM_LBUTTONUP, 0, point);
}

void Click(framework::CDialog& dialog, int nId) {
    framework::CWnd* pControl = dialog.GetDlgItem(nId);
    ASSERT_NE(pControl, nullptr) << "no control " << nId;
    Click(*pControl);
}

void Press(framework::CDialog& dialog, Key key, Modifier modifier) {
    if (modifier == Modifier::Alt) {
        const CHeldKey alt(VK_MENU);
        KeyStroke(dialog, VirtualKey(key), true);
        return;
    }
    const CHeldKey held(modifier == Modifier::Shift     ? VK_SHIFT
                        : modifier == Modifier::Control ? VK_CONTROL
                                                        : 0);
    KeyStroke(dialog, VirtualKey(key), false);
}

void PressAlt(framework::CDialog& dialog, char letter) {
    const CHeldKey alt(VK_MENU);
    const UINT vk = static_cast<UINT>(std::toupper(static_cast<unsigned char>(letter)));
    MSG down{KeyTarget(dialog), WM_SYSKEYDOWN, vk, KeyParameter(vk, false, true), 0, {}};
    dialog.GetWindow().Native().HandleQueuedMessage(&down);
    // The mnemonic is the character the key makes, which the dialog manager looks up;
    // made here where the keyboard layout made none.
    MSG character;
    if (!::PeekMessageW(&character, nullptr, WM_SYSCHAR, WM_SYSCHAR, PM_REMOVE)) {
        character = MSG{KeyTarget(dialog), WM_SYSCHAR,
                        static_cast<WPARAM>(std::tolower(static_cast<unsigned char>(letter))),
                        KeyParameter(vk, false, true), 0, {}};
    }
    dialog.GetWindow().Native().HandleQueuedMessage(&character);
    Deliver(dialog, KeyTarget(dialog), WM_SYSKEYUP, vk, KeyParameter(vk, true, true));
}

void Type(framework::CDialog& dialog, const std::string& text) {
    for (const wchar_t c : platform::win32::Wide(text)) {
        Deliver(dialog, KeyTarget(dialog), WM_CHAR, static_cast<WPARAM>(c), 1);
    }
}

void Paste(framework::CDialog& dialog, const std::string& text) {
    const std::wstring value = platform::win32::Wide(text);
    const HWND hTarget = KeyTarget(dialog);
    ASSERT_TRUE(::OpenClipboard(hTarget));
    ::EmptyClipboard();
    const std::size_t bytes = (value.size() + 1) * sizeof(wchar_t);
    if (HGLOBAL hData = ::GlobalAlloc(GMEM_MOVEABLE, bytes)) {
        std::memcpy(::GlobalLock(hData), value.c_str(), bytes);
        ::GlobalUnlock(hData);
        ::SetClipboardData(CF_UNICODETEXT, hData);
    }
    ::CloseClipboard();
    ::SendMessageW(hTarget, WM_PASTE, 0, 0);
}

void Close(framework::CDialog& dialog) {
    ::SendMessageW(static_cast<HWND>(dialog.GetWindow().Handle()), WM_SYSCOMMAND, SC_CLOSE, 0);
}

std::string AccessibleName(const framework::CWnd& control) {
    // As a screen reader asks: the control's client object, by its window.
    IAccessible* pAccessible = nullptr;
    if (FAILED(::AccessibleObjectFromWindow(framework::win32::Hwnd(control), static_cast<DWORD>(OBJID_CLIENT),
                                            __uuidof(IAccessible),
                                            reinterpret_cast<void**>(&pAccessible)))) {
        return std::string();
    }
    VARIANT self;
    self.vt = VT_I4;
    self.lVal = CHILDID_SELF;
    BSTR name = nullptr;
    std::string result;
    if (SUCCEEDED(pAccessible->get_accName(self, &name)) && name != nullptr) {
        result = platform::win32::Narrow(std::wstring(name, ::SysStringLen(name)));
        ::SysFreeString(name);
    }
    pAccessible->Release();
    return result;
}

}  // namespace testing_support
