#pragma once

#include <string>

class QWidget;

namespace framework {

// Window titles as the programs set them. Qt puts the program file's name in the
// title bar of a window whose title is empty; the programs' titles come from their
// configuration and may be empty on purpose, so an empty title is stored as a single
// zero-width space, which the platform shows as an empty title bar.
void SetWindowCaption(QWidget& window, const std::string& caption);

// The title as the program set it: empty for a window set to the empty title.
std::string WindowCaption(const QWidget& window);

}  // namespace framework
