#pragma once

#include <functional>
#include <string>

#include "setup/engine/InstallJournal.h"
#include "setup/engine/InstallOutcome.h"
#include "setup/engine/InstallerWindows.h"

namespace setup {

// What follows a complete copy (registration, shortcuts and the success message,
// programs to start), given the install directory with its trailing backslash and
// the canonical install directory.
using CPostCopyActions = std::function<void(const std::string& installDirectoryWithSeparator,
                                            const std::string& canonicalInstallDirectory)>;

// The Setup... command: asks for the directory, checks the free space, creates the
// directory tree, copies the files in the progress window and then either runs
// `postCopy` or, after a failure or cancel, offers to remove what was installed.
// `installDirectory` is the main window's install directory with separator; it is
// set once a directory has been chosen and kept afterwards. Returns how it ended,
// for a front end that reports the outcome itself.
//
// The install folder is locked from before the first file until the rollback or
// the post-copy actions are done; a run that finds it locked by another says so and
// stops. Every step is written ahead to the run's journal in the folder (see
// InstallJournal.h); what a run that died there left is finished first. A completed
// run leaves the uninstall record and a copy of the installer in the folder (see
// RecordInstallation.h) before `postCopy` runs: the success message it shows promises
// an uninstall, so a run that cannot keep one fails and is rolled back.
InstallOutcome RunInstallation(CInstallerWindows& windows, std::string& installDirectory,
                               const CPostCopyActions& postCopy);

}  // namespace setup
