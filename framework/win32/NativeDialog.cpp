#include "framework/win32/NativeDialog.h"

#include "framework/win32/SystemHeaders.h"

#include <vector>

#include "framework/win32/DialogResource.h"
#include "framework/win32/WindowText.h"
#include "platform/UserInterface.h"
#include "platform/win32/WideString.h"

namespace framework::win32 {

namespace {

// The message a posted command arrives in; its identifier is the first parameter.
constexpr UINT kPostedCommand = WM_APP + 1;

// The system's own dialog face, which every Windows has.
constexpr const char* kFallbackFace = "MS Shell Dlg";

HWND Window(void* hWnd) {
    return static_cast<HWND>(hWnd);
}

INT_PTR CALLBACK DialogProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_INITDIALOG) {
        ::SetWindowLongPtrW(hWnd, DWLP_USER, lParam);
    }
    auto* pDialog = reinterpret_cast<CNativeDialog*>(::GetWindowLongPtrW(hWnd, DWLP_USER));
    return pDialog != nullptr && pDialog->HandleMessage(hWnd, message, wParam, lParam) ? TRUE
                                                                                       : FALSE;
}

int CALLBACK NoteFace(const LOGFONTW*, const TEXTMETRICW*, DWORD, LPARAM found) {
    *reinterpret_cast<bool*>(found) = true;
    return 0;
}

}  // namespace

CNativeDialog::CNativeDialog(const CDialogTemplate& dialogTemplate, CNativeDialogSink& sink)
    : m_template(dialogTemplate), m_sink(sink) {}

std::string CNativeDialog::FontFace(const CDialogTemplate& dialogTemplate) {
    if (dialogTemplate.pszFontFace == nullptr) {
        return kFallbackFace;
    }
    LOGFONTW wanted{};
    wanted.lfCharSet = DEFAULT_CHARSET;
    const std::wstring face = platform::win32::Wide(dialogTemplate.pszFontFace);
    if (face.size() >= LF_FACESIZE) {
        return kFallbackFace;
    }
    face.copy(wanted.lfFaceName, face.size());
    bool bFound = false;
    HDC hdc = ::GetDC(nullptr);
    ::EnumFontFamiliesExW(hdc, &wanted, NoteFace, reinterpret_cast<LPARAM>(&bFound), 0);
    ::ReleaseDC(nullptr, hdc);
    return bFound ? dialogTemplate.pszFontFace : kFallbackFace;
}

CNativeDialog::~CNativeDialog() {
    Destroy();
}

bool CNativeDialog::Create(void* hOwner) {
    const std::vector<std::uint16_t> resource =
        BuildDialogResource(m_template, FontFace(m_template));
    m_bEnded = false;
    m_nResult = -1;
    // The handle is known from WM_INITDIALOG on, before the call returns.
    const HWND hWnd = ::CreateDialogIndirectParamW(
        ::GetModuleHandleW(nullptr), reinterpret_cast<const DLGTEMPLATE*>(resource.data()),
        Window(hOwner), DialogProc, reinterpret_cast<LPARAM>(this));
    return hWnd != nullptr;
}

int CNativeDialog::RunModalLoop() {
    const HWND hWnd = Window(m_hWnd);
    if (hWnd == nullptr) {
        return -1;
    }
    // The owner takes no input while its dialog runs, as with the system's own modal
    // dialogs; it is enabled again before the dialog hides, so that it becomes the
    // active window then and not some other program's.
    const HWND hOwner = ::GetWindow(hWnd, GW_OWNER);
    const bool bDisableOwner = hOwner != nullptr && ::IsWindowEnabled(hOwner);
    if (bDisableOwner) {
        ::EnableWindow(hOwner, FALSE);
    }
    ::ShowWindow(hWnd, SW_SHOW);
    ::SetForegroundWindow(hWnd);
    MSG message;
    while (!m_bEnded) {
        const BOOL got = ::GetMessageW(&message, nullptr, 0, 0);
        if (got <= 0) {
            // The program is asked to end: the request is left for the outer loop.
            if (got == 0) {
                ::PostQuitMessage(static_cast<int>(message.wParam));
            }
            break;
        }
        HandleQueuedMessage(&message);
    }
    if (bDisableOwner) {
        ::EnableWindow(hOwner, TRUE);
    }
    ::ShowWindow(hWnd, SW_HIDE);
    return m_nResult;
}

int CNativeDialog::RunModal(void* hOwner) {
    if (!Create(hOwner)) {
        return -1;
    }
    const int nResult = RunModalLoop();
    Destroy();
    return nResult;
}

void CNativeDialog::End(int nResult) {
    m_bEnded = true;
    m_nResult = nResult;
    // Wakes the loop, which waits for a message before it looks again.
    if (m_hWnd != nullptr) {
        ::PostMessageW(Window(m_hWnd), WM_NULL, 0, 0);
    }
}

void CNativeDialog::Destroy() {
    if (m_hWnd != nullptr) {
        const HWND hWnd = Window(m_hWnd);
        m_hWnd = nullptr;
        ::DestroyWindow(hWnd);
    }
}

void CNativeDialog::ProcessWaitingMessages() {
    MSG message;
    while (::PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (message.message == WM_QUIT) {
            ::PostQuitMessage(static_cast<int>(message.wParam));
            break;
        }
        HandleQueuedMessage(&message);
    }
}

void CNativeDialog::HandleQueuedMessage(const void* pMessage) {
    const MSG* pMsg = static_cast<const MSG*>(pMessage);
    if (OfferKey(pMsg)) {
        return;
    }
    if (m_hWnd != nullptr && ::IsDialogMessageW(Window(m_hWnd), const_cast<MSG*>(pMsg))) {
        return;
    }
    ::TranslateMessage(pMsg);
    ::DispatchMessageW(pMsg);
}

bool CNativeDialog::OfferKey(const void* pMessage) {
    const MSG* pMsg = static_cast<const MSG*>(pMessage);
    const HWND hWnd = Window(m_hWnd);
    if (hWnd == nullptr || pMsg->message != WM_KEYDOWN ||
        (pMsg->hwnd != hWnd && !::IsChild(hWnd, pMsg->hwnd))) {
        return false;
    }
    NativeKey key;
    switch (pMsg->wParam) {
        case VK_RETURN:
            key = NativeKey::Enter;
            break;
        case VK_ESCAPE:
            key = NativeKey::Escape;
            break;
        case VK_F1:
            key = NativeKey::Help;
            break;
        default:
            return false;
    }
    // With Shift or Ctrl held, Enter and Escape do nothing in a dialog; F1 goes on to
    // the window, as any other key.
    if ((::GetKeyState(VK_SHIFT) | ::GetKeyState(VK_CONTROL)) < 0) {
        return key != NativeKey::Help;
    }
    return m_sink.OnNativeKey(key);
}

bool CNativeDialog::HandleMessage(void* hWnd, unsigned message, unsigned long long wParam,
                                  long long) {
    switch (message) {
        case WM_INITDIALOG:
            // Known from here on, before the sink hears of the window.
            m_hWnd = hWnd;
            // Its answer goes back as the message's result: whether the system sets the
            // focus.
            return m_sink.OnNativeInit();
        case WM_COMMAND: {
            const int nId = LOWORD(wParam);
            switch (HIWORD(wParam)) {
                case BN_CLICKED:  // also Enter and Escape, from the dialog manager
                    m_sink.OnNativeCommand(nId, CommandCode::Clicked);
                    return true;
                case EN_CHANGE:
                    m_sink.OnNativeCommand(nId, CommandCode::Changed);
                    return true;
                case EN_SETFOCUS:
                    m_sink.OnNativeCommand(nId, CommandCode::SetFocus);
                    return true;
                default:
                    return false;
            }
        }
        case kPostedCommand:
            m_sink.OnNativeCommand(static_cast<int>(wParam), CommandCode::Posted);
            return true;
        case WM_CLOSE:
            // Handled here: the dialog manager would make it a click of Cancel.
            m_sink.OnNativeClose();
            return true;
        case WM_SETCURSOR:
            if (platform::UserInterface().BusyDepth() > 0) {
                ::SetCursor(::LoadCursorW(nullptr, IDC_WAIT));
                ::SetWindowLongPtrW(Window(m_hWnd), DWLP_MSGRESULT, TRUE);
                return true;
            }
            return false;
        default:
            return false;
    }
}

void* CNativeDialog::ItemHandle(int nId) const {
    return m_hWnd ? ::GetDlgItem(Window(m_hWnd), nId) : nullptr;
}

void CNativeDialog::SetItemText(int nId, const std::string& text) {
    if (HWND hItem = static_cast<HWND>(ItemHandle(nId))) {
        SetWindowTextUtf8(hItem, text);
    }
}

std::string CNativeDialog::Title() const {
    return m_hWnd ? WindowText(Window(m_hWnd)) : std::string();
}

void CNativeDialog::SetTitle(const std::string& text) {
    if (m_hWnd != nullptr) {
        SetWindowTextUtf8(Window(m_hWnd), text);
    }
}

int CNativeDialog::FocusedItem() const {
    HWND hFocus = ::GetFocus();
    return hFocus && m_hWnd && ::GetParent(hFocus) == Window(m_hWnd) ? ::GetDlgCtrlID(hFocus) : 0;
}

void CNativeDialog::FocusItem(int nId) {
    if (HWND hItem = static_cast<HWND>(ItemHandle(nId))) {
        // As Tab does: through the dialog manager, which also moves the default look.
        ::SendMessageW(Window(m_hWnd), WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(hItem), TRUE);
    }
}

void CNativeDialog::DeliverPostedCommands() {
    MSG message;
    while (m_hWnd != nullptr && ::PeekMessageW(&message, Window(m_hWnd), kPostedCommand,
                                               kPostedCommand, PM_REMOVE)) {
        ::DispatchMessageW(&message);
    }
}

void CNativeDialog::PostCommand(int nId) {
    if (m_hWnd != nullptr) {
        ::PostMessageW(Window(m_hWnd), kPostedCommand, static_cast<WPARAM>(nId), 0);
    }
}

}  // namespace framework::win32
