// The Win32 backend's half of a dialog: its window from the dialog manager, modal
// and main runs in the window's own loop, placement, title, icon and posted commands.
#include "framework/win32/SystemHeaders.h"

#include <algorithm>

#include "framework/Dialog.h"
#include "framework/win32/DialogWindow.h"
#include "framework/win32/WindowIcons.h"

namespace framework {

namespace {

HWND Handle(const CDialog* pDialog) {
    return pDialog ? static_cast<HWND>(pDialog->GetWindow().Handle()) : nullptr;
}

}  // namespace

CDialog::CDialog(const CDialogTemplate& dialogTemplate, CDialog* pParent)
    : m_template(dialogTemplate),
      m_pParent(pParent),
      m_pWindow(std::make_unique<CDialogWindow>(*this)) {
    SetWindowText(LayoutCaption(dialogTemplate, dialogTemplate.nCaptionId));
}

CDialog::~CDialog() {
    // The controls let go of their windows first; the dialog's window takes them with
    // it when it goes.
    m_controls.clear();
    m_pWindow->Native().Destroy();
}

bool CDialog::CreateWindowAndInitialize() {
    return m_pWindow->Create(Handle(GetOwner()));
}

int CDialog::RunModalLoop() {
    CreateAndInitialize();
    if (m_bEnded) {
        return m_nModalResult;
    }
    m_pWindow->Native().RunModalLoop();
    return m_nModalResult;
}

void CDialog::EndDialog(int nResult) {
    m_bEnded = true;
    m_nModalResult = nResult;
    m_pWindow->Native().End(nResult);
}

void CDialog::ShowWindow() {
    if (const HWND hWnd = Handle(this)) {
        ::ShowWindow(hWnd, SW_SHOW);
    }
}

bool CDialog::IsWindowVisible() const {
    const HWND hWnd = Handle(this);
    return hWnd != nullptr && ::IsWindowVisible(hWnd);
}

void CDialog::UpdateWindow() {
    if (IsWindowVisible()) {
        ::RedrawWindow(Handle(this), nullptr, nullptr,
                       RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    }
}

void CDialog::CenterWindow() {
    const HWND hWnd = Handle(this);
    if (hWnd == nullptr) {
        return;
    }
    const HWND hOwner = Handle(GetOwner());
    // The owner's monitor, so that a dialog of a window on a second monitor opens
    // there and not on the first.
    MONITORINFO monitor{};
    monitor.cbSize = sizeof(monitor);
    ::GetMonitorInfoW(::MonitorFromWindow(hOwner ? hOwner : hWnd, MONITOR_DEFAULTTONEAREST),
                      &monitor);
    const RECT workArea = monitor.rcWork;
    RECT around = workArea;
    if (hOwner && ::IsWindowVisible(hOwner) && !::IsIconic(hOwner)) {
        ::GetWindowRect(hOwner, &around);
    }
    RECT own;
    ::GetWindowRect(hWnd, &own);
    const LONG cx = own.right - own.left;
    const LONG cy = own.bottom - own.top;
    // Moved as little as needed to keep the whole window inside the work area; one
    // larger than the work area keeps its top-left corner there.
    const LONG x = std::max(workArea.left,
                            std::min((around.left + around.right - cx) / 2, workArea.right - cx));
    const LONG y = std::max(workArea.top,
                            std::min((around.top + around.bottom - cy) / 2, workArea.bottom - cy));
    ::SetWindowPos(hWnd, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void CDialog::PlaceAtOwnerOrigin() {
    const HWND hOwner = Handle(GetOwner());
    if (hOwner == nullptr || Handle(this) == nullptr) {
        return;
    }
    POINT origin{0, 0};
    ::ClientToScreen(hOwner, &origin);
    ::SetWindowPos(Handle(this), nullptr, origin.x, origin.y, 0, 0,
                   SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void CDialog::GotoDlgCtrl(CWnd* pControl) {
    if (pControl && Handle(this)) {
        // Through the dialog manager, which also moves the default-button look.
        ::SendMessageW(Handle(this), WM_NEXTDLGCTL,
                       reinterpret_cast<WPARAM>(pControl->GetNativeWindow()), TRUE);
    }
}

void CDialog::PostCommand(int nId) {
    m_pWindow->Native().PostCommand(nId);
}

void CDialog::SetIcon(const CIcon& icon, bool bBigIcon) {
    if (const HWND hWnd = Handle(this)) {
        win32::SetWindowIcon(hWnd, icon, bBigIcon);
    }
}

void CDialog::SetClassIcon(const CIcon& icon) {
    win32::SetClassIcon(icon);
}

void CDialog::SetWindowText(const std::string& text) {
    m_pWindow->SetTitle(text);
}

std::string CDialog::GetWindowText() const {
    return m_pWindow->Title();
}

}  // namespace framework
