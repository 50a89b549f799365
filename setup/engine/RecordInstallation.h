#pragma once

#include <functional>
#include <string>

#include "platform/InstallFolder.h"
#include "setup/engine/InstallJournal.h"

namespace setup {

// Runs `actions` (the post-copy actions) with each launcher they write entered in
// `journal`, while the observer in force still hears of it.
void RecordLaunchers(CInstallJournal& journal, const std::function<void()>& actions);

// Keeps what an uninstall needs in the install folder of a completed run: a copy of
// the running installer, so that uninstalling works once the media are gone, and the
// uninstall record (CUninstallRecord), written last and in one step. `chosen` is the
// install directory as chosen and `canonical` as the platform reports it, both in
// Windows form without a trailing separator. False when the record was not written.
bool KeepUninstallRecord(platform::CInstallFolder& folder, const CInstallJournal& journal,
                         const std::string& chosen, const std::string& canonical);

}  // namespace setup
