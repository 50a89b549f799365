#include "framework/win32/DialogWindow.h"

#include "framework/win32/SystemHeaders.h"

#include "framework/Dialog.h"
#include "framework/win32/WindowIcons.h"

namespace framework {

CDialogWindow::CDialogWindow(CDialog& dialog)
    : m_dialog(dialog), m_native(dialog.GetTemplate(), *this) {}

bool CDialogWindow::Create(void* hOwner) {
    m_bDefaultFocus = true;
    m_native.Create(hOwner);
    return m_bDefaultFocus;
}

void CDialogWindow::SetTitle(const std::string& title) {
    m_strTitle = title;
    m_native.SetTitle(title);
}

std::string CDialogWindow::Title() const {
    return m_native.IsRunning() ? m_native.Title() : m_strTitle;
}

void* CDialogWindow::TakeNextControlWindow() {
    const HWND hControl = static_cast<HWND>(m_hNextControl);
    if (hControl != nullptr) {
        m_hNextControl = ::GetWindow(hControl, GW_HWNDNEXT);
    }
    return hControl;
}

bool CDialogWindow::OnNativeInit() {
    m_native.SetTitle(m_strTitle);
    // The dialog manager makes the controls in the template's order, each below the
    // one before.
    m_hNextControl = ::GetWindow(static_cast<HWND>(m_native.Handle()), GW_CHILD);
    win32::ApplyClassIcon(m_native.Handle());
    m_bDefaultFocus = m_dialog.InitializeWindow();
    return m_bDefaultFocus;
}

void CDialogWindow::OnNativeCommand(int nId, CommandCode code) {
    m_dialog.OnCommand(nId, code);
}

void CDialogWindow::OnNativeClose() {
    m_dialog.OnClose();
}

bool CDialogWindow::OnNativeKey(win32::NativeKey key) {
    switch (key) {
        case win32::NativeKey::Enter:
            m_dialog.OnEnterKey();
            return true;
        case win32::NativeKey::Escape:
            m_dialog.OnEscapeKey();
            return true;
        case win32::NativeKey::Help:
            m_dialog.OnHelpKey();
            return true;
    }
    return false;
}

}  // namespace framework
