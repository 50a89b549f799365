#pragma once

#include <string>

#include "platform/InstallFolder.h"

namespace setup {

// Finishes what a run that died in `folder` (killed, a closed terminal, a power cut)
// left, as its journal explains it, before anything new is done there. A run that had
// put its uninstall record in place was complete: only the originals it kept aside go.
// Any other is rolled back: originals back under their names, its new files and
// temporaries removed; then its journal goes. Nothing the journal does not name is
// touched. Says so in one message when it rolled something back (`folderShown` names
// the folder). Returns the levels of folders the dead run had created (0 when there
// was no journal), so that whoever goes on knows the folder was not the user's.
int RecoverDeadRun(platform::CInstallFolder& folder, const std::string& folderShown);

}  // namespace setup
