#pragma once

#include "framework/win32/SystemHeaders.h"

#include <string>

namespace framework::win32 {

// The text of window `hWnd` (UTF-8), and setting it.
std::string WindowText(HWND hWnd);
void SetWindowTextUtf8(HWND hWnd, const std::string& text);

}  // namespace framework::win32
