#pragma once

#include <string>

#include "setup/engine/InstallerWindows.h"

namespace setup {

// How an uninstall ended. The windows report each case as it happens; a front end
// without windows turns the outcome into its exit status.
enum class UninstallOutcome {
    Removed,           // what the record lists is gone, but for files changed since
    NothingInstalled,  // no record in the folder (or no folder): nothing to do
    Declined,          // the user answered No; nothing removed
    Damaged,           // the record cannot be read; nothing removed
    Locked,            // an installation into the folder is running
    Failed,            // a listed file could not be removed; the record stays
    Cancelled,         // stopped by the user between two items; the record stays
};

// An uninstall the command line asks for: the folder as a host path and whether
// listed files changed since the installation go too.
struct CUninstallRequest {
    bool m_bRequested = false;
    std::string m_strHostFolder;
    bool m_bRemoveChanged = false;
};

// Removes what the installation into the folder `hostFolder` wrote, as its uninstall
// record lists it, and nothing else: each file and launcher whose size and digest
// still match the record (with `bRemoveChanged` also listed files changed since), then
// the folders the installation created once they are empty, then the copied installer
// and the record. Asks once whether to go on, removes in the progress window and ends
// with a message that names every file kept. Every operation in the folder is relative
// to its descriptor and never follows a link; the folder is locked throughout.
UninstallOutcome RunUninstall(CInstallerWindows& windows, const std::string& hostFolder,
                              bool bRemoveChanged);

}  // namespace setup
