#pragma once

#include "platform/InstallFolder.h"
#include "setup/engine/InstallJournal.h"
#include "setup/engine/InstallerWindows.h"

namespace setup {

// The copy loop the progress window runs once it is on screen: copies File1 ...
// FileN of SETUP.INI's [Files] section from the setup directory into `folder` (the
// progress window's target directory, opened and locked), recording each file
// written in the copied-files list and in `journal`, and ends the window through its
// OK step whatever happens. Between two files it
// lets the windows handle pending events and stops when they have confirmed a
// cancel; a file whose copy has begun is always finished.
void CopyFiles(CCopyProgress& progress, platform::CInstallFolder& folder,
               CInstallJournal& journal);

}  // namespace setup
