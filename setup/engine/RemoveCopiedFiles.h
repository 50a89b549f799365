#pragma once

#include "platform/InstallFolder.h"
#include "setup/engine/InstallJournal.h"
#include "setup/engine/InstallerWindows.h"

namespace setup {

// Undoes the files of `journal` in `folder`. Each new file is offered for removal,
// in the order written, through the question window ("Remove %s?"): Yes removes it,
// No or a dismissed question keeps it, Yes to All removes it and every later new
// file without asking. A file that replaced one is not asked about: its original
// is put back. The changes are then made from the last entry to the first. True
// when a removal was attempted for every new file (so also when there is none).
// `pAllUndone` tells whether the folder refused nothing (an original that could not
// be put back is still named by the journal file, for the next run to try again).
// The installer's own copies and the record go without a question.
bool RemoveCopiedFiles(CInstallerWindows& windows, const CInstallJournal& journal,
                       platform::CInstallFolder& folder, bool* pAllUndone = nullptr);

}  // namespace setup
