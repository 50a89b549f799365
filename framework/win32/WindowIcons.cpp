#include "framework/win32/WindowIcons.h"

#include "framework/win32/SystemHeaders.h"

namespace framework::win32 {

namespace {

CIcon g_classIcon;

}  // namespace

void* LoadIconPicture(const CIcon& icon, int nSize) {
    if (icon.GetResourceId() == 0) {
        return nullptr;
    }
    return ::LoadImageW(::GetModuleHandleW(nullptr), MAKEINTRESOURCEW(icon.GetResourceId()),
                        IMAGE_ICON, nSize, nSize, LR_SHARED);
}

void SetWindowIcon(void* hWnd, const CIcon& icon, bool bBig) {
    const int nSize = ::GetSystemMetrics(bBig ? SM_CXICON : SM_CXSMICON);
    ::SendMessageW(static_cast<HWND>(hWnd), WM_SETICON, bBig ? ICON_BIG : ICON_SMALL,
                   reinterpret_cast<LPARAM>(LoadIconPicture(icon, nSize)));
}

void SetClassIcon(const CIcon& icon) {
    g_classIcon = icon;
}

void ApplyClassIcon(void* hWnd) {
    if (g_classIcon.GetResourceId() != 0) {
        SetWindowIcon(hWnd, g_classIcon, true);
        SetWindowIcon(hWnd, g_classIcon, false);
    }
}

}  // namespace framework::win32
