#pragma once

#include <string>

namespace framework::win32 {

enum class AccessibleProperty { Name, Description };

// Gives control `hWnd` the name or description assistive technology announces, in
// place of what the system's accessibility layer works out for it (the caption, or
// nothing for a control without one). The control's own accessible object answers
// with it when a screen reader asks the window for it.
void SetAccessibleText(void* hWnd, AccessibleProperty property, const std::string& text);

}  // namespace framework::win32
