#pragma once

namespace setup {

// How an installation run ended. The windows report each case to the user as it
// happens; a front end without windows turns the outcome into its exit status.
enum class InstallOutcome {
    Installed,       // every file copied, the post-copy actions run
    NoDirectory,     // no directory was chosen: the dialog was cancelled
    NotEnoughSpace,  // the drive has less room than the product needs
    Locked,          // another run is installing into the same folder
    Failed,          // the folder could not be used, or a copy failed; rolled back
    Cancelled,       // the user cancelled the copy; rolled back
};

}  // namespace setup
