#pragma once

#include "framework/win32/SystemHeaders.h"

#include <string>

namespace framework::win32 {

// The text of window `hWnd` (UTF-8), and setting it.
std::string WindowText(HWND hWnd);
void SetWindowTextUtf8(HWND hWnd, const std::string& text);

// The text of entry `nIndex` of a list or drop-down list, asked with its messages for
// an entry's length and text; empty when it has no such entry.
std::string EntryText(HWND hWnd, UINT lengthMessage, UINT textMessage, int nIndex);

}  // namespace framework::win32
