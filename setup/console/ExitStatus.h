#pragma once

#include "setup/engine/InstallOutcome.h"
#include "setup/engine/UninstallRun.h"

namespace setup {

// The exit statuses of the installer without windows, one per outcome; scripts
// depend on them, so they never change meaning.
enum ExitStatus {
    kExitInstalled = 0,
    kExitFailed = 1,     // failed; what was installed has been removed again
    kExitCancelled = 2,  // SIGINT or SIGTERM, taken between files; removed again
    kExitUsage = 3,      // bad command line, refused directory, no readable SETUP.INI
    kExitNoSpace = 4,
    kExitLocked = 5,  // another run holds the folder
};

// The exit status that reports `outcome`. A directory refused by the checks is a
// fault of the command line, like any other bad option value.
constexpr ExitStatus ExitStatusOf(InstallOutcome outcome) {
    switch (outcome) {
        case InstallOutcome::Installed:
            return kExitInstalled;
        case InstallOutcome::NoDirectory:
            return kExitUsage;
        case InstallOutcome::NotEnoughSpace:
            return kExitNoSpace;
        case InstallOutcome::Locked:
            return kExitLocked;
        case InstallOutcome::Failed:
            return kExitFailed;
        case InstallOutcome::Cancelled:
            return kExitCancelled;
    }
    return kExitFailed;
}

// The exit status that reports how an uninstall ended. Files kept because they were
// changed are no failure: keeping them is what was asked for.
constexpr ExitStatus UninstallExitStatusOf(UninstallOutcome outcome) {
    switch (outcome) {
        case UninstallOutcome::Removed:
        case UninstallOutcome::NothingInstalled:
        case UninstallOutcome::Declined:
            return kExitInstalled;
        case UninstallOutcome::Damaged:
            return kExitUsage;
        case UninstallOutcome::Locked:
            return kExitLocked;
        case UninstallOutcome::Failed:
            return kExitFailed;
        case UninstallOutcome::Cancelled:
            return kExitCancelled;
    }
    return kExitFailed;
}

}  // namespace setup
