#pragma once

#include <functional>
#include <string>

#include "platform/InstallFolder.h"
#include "setup/engine/InstallJournal.h"
#include "setup/engine/UninstallRecord.h"

namespace setup {

// The uninstall record of the folder, when it holds a readable one.
bool ReadUninstallRecord(const platform::CInstallFolder& folder, CUninstallRecord& record);

// Whether `relative` names one of the installer's own files in the folder (its copy,
// its windows, its SETUP.INI, the record) by the host's rules of letter case: never a
// product file's upper-case name on POSIX, any case of them on Win32.
bool IsOwnFileName(const std::string& relative);

// Whether the installer's own names in the folder (its copy, its SETUP.INI, the
// record) are free or hold what an earlier installation wrote (`previous`, when
// `bHasPrevious`). Any other file of those names is the user's: `clash` names it.
bool OwnNamesAreFree(const platform::CInstallFolder& folder, bool bHasPrevious,
                     const CUninstallRecord& previous, std::string& clash);

// Copies the running installer and its SETUP.INI into the folder, as steps of the
// journal, so that uninstalling works once the media are gone. False when either
// copy failed: an installation that cannot be uninstalled is not complete.
bool KeepInstaller(platform::CInstallFolder& folder, CInstallJournal& journal,
                   const std::string& folderShown);

// Puts the uninstall record in place, the last step of the journal and the one that
// makes the run complete. It lists what this run wrote and, from the record of an
// earlier installation into the folder (`previous`), what that one wrote and this
// one did not, so that one uninstall removes what both installed. `canonical` is the
// install directory as the platform reports it, in Windows form without a trailing
// separator. False when the record is not in place.
bool PlaceUninstallRecord(platform::CInstallFolder& folder, CInstallJournal& journal,
                          const CUninstallRecord& previous, const std::string& canonical,
                          CUninstallRecord& record);

// Runs `actions` (the post-copy actions) with each launcher they write added to the
// record in place, while the observer in force still hears of it.
void RecordLaunchers(platform::CInstallFolder& folder, CUninstallRecord& record,
                     const std::function<void()>& actions);

}  // namespace setup
