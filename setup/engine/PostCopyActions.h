#pragma once

#include <string>

namespace setup {

// What the installation does after every file was copied, and only then. Each
// action reads SETUP.INI itself; none can undo the installation, so a failure is
// reported (or passed over) and the next action runs.

// Runs, in this order: RegisterObjects, CreateProductShortcuts (which ends with the
// success message) and RunAfterSetupPrograms. `installDirectoryWithSeparator` is the
// chosen directory with a trailing backslash, `canonicalInstallDirectory` the same
// directory as the platform reports it; both in Windows form.
void RunPostCopyActions(const std::string& installDirectoryWithSeparator,
                        const std::string& canonicalInstallDirectory);

// Loads each component Object1 ... Object<Objects> of [Register], found below
// `installDirectoryWithSeparator` in any letter case, and calls its
// DllRegisterServer entry point when it has one. Every failure passes unnoticed: a
// component that is missing, does not load, has no entry point or reports failure.
void RegisterObjects(const std::string& installDirectoryWithSeparator);

// The shortcuts to the program ExeName of [Shortcuts], named LnkName: one in the
// programs menu and, when the user wants it, one on the desktop; then the success
// message naming the product by [Setup] Name. Without Name an error box comes first
// and the rest goes on; without ExeName or LnkName an error box is all it does.
void CreateProductShortcuts(const std::string& canonicalInstallDirectory);

// For File1, File2, ... of [RunAfterSetup]: shows FileNMessage when there is one and
// starts FileN from the setup directory, in it, without waiting. The list ends at the
// first number without FileN, after that number's message. A program that cannot be
// started is reported and the next number follows.
void RunAfterSetupPrograms();

}  // namespace setup
