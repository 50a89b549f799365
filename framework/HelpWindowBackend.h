#pragma once

#include <string>

namespace framework {

class CHelpWindow;

// What the application object asks of the backend's help window.

// Whether `path` names a readable file.
bool CanShowHelpFile(const std::string& path);
// Shows the file at its contents in `pWindow`, made first when there is none yet;
// returns the window, which the caller owns.
CHelpWindow* ShowHelpFile(CHelpWindow* pWindow, const std::string& path);
void DestroyHelpWindow(CHelpWindow* pWindow);

}  // namespace framework
