#pragma once

#include "framework/Icon.h"

namespace framework::win32 {

// The picture of `icon` at `nSize` pixels square from the program's resources, shared
// and never to be destroyed; nullptr when the program carries none.
void* LoadIconPicture(const CIcon& icon, int nSize);

// Gives window `hWnd` the icon's larger picture, shown when switching between
// windows, or its small one, shown in the title bar.
void SetWindowIcon(void* hWnd, const CIcon& icon, bool bBig);

// The icon every dialog of the program takes when it is made.
void SetClassIcon(const CIcon& icon);
void ApplyClassIcon(void* hWnd);

}  // namespace framework::win32
