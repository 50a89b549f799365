#pragma once

#include "setup/config/StringTable.h"
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

// How the program ends: its exit status and the log's last line (a string id,
// filled with the status).
struct COutcomeReport {
    ExitStatus status;
    int nMessage;
};

// How an installation's `outcome` is reported. A directory refused by the checks is
// a fault of the command line, like any other bad option value.
constexpr COutcomeReport ReportOf(InstallOutcome outcome) {
    switch (outcome) {
        case InstallOutcome::Installed:
            return {kExitInstalled, IDS_OUTCOME_INSTALLED};
        case InstallOutcome::NoDirectory:
            return {kExitUsage, IDS_OUTCOME_NO_DIRECTORY};
        case InstallOutcome::NotEnoughSpace:
            return {kExitNoSpace, IDS_OUTCOME_NOT_ENOUGH_SPACE};
        case InstallOutcome::Locked:
            return {kExitLocked, IDS_OUTCOME_LOCKED};
        case InstallOutcome::Failed:
            break;
        case InstallOutcome::Cancelled:
            return {kExitCancelled, IDS_OUTCOME_CANCELLED};
    }
    return {kExitFailed, IDS_OUTCOME_FAILED};
}

// How an uninstall's `outcome` is reported. Files kept because they were changed are
// no failure: keeping them is what was asked for.
constexpr COutcomeReport ReportOf(UninstallOutcome outcome) {
    switch (outcome) {
        case UninstallOutcome::Removed:
            return {kExitInstalled, IDS_OUTCOME_REMOVED};
        case UninstallOutcome::NothingInstalled:
        case UninstallOutcome::Declined:
            return {kExitInstalled, IDS_OUTCOME_NOTHING_INSTALLED};
        case UninstallOutcome::Damaged:
            return {kExitUsage, IDS_OUTCOME_DAMAGED};
        case UninstallOutcome::Locked:
            return {kExitLocked, IDS_OUTCOME_LOCKED};
        case UninstallOutcome::Failed:
            break;
        case UninstallOutcome::Cancelled:
            return {kExitCancelled, IDS_OUTCOME_UNINSTALL_CANCELLED};
    }
    return {kExitFailed, IDS_OUTCOME_NOT_REMOVED};
}

}  // namespace setup
