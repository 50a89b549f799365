#pragma once

#include "platform/StringArray.h"
#include "setup/engine/InstallerWindows.h"

namespace setup {

// Offers each file of `copiedFiles`, in order, for removal through the question
// window ("Remove %s?"): Yes removes it, No or a dismissed question keeps it, Yes to
// All removes it and every later file without asking. True when a removal was
// attempted for every entry (so also for an empty list).
bool RemoveCopiedFiles(CInstallerWindows& windows, const platform::CStringArray& copiedFiles);

}  // namespace setup
