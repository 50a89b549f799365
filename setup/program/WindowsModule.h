#pragma once

// The interface between the installer's program and its windows. The windows live in
// a module of their own beside the program (CUninstallRecord::kWindowsModuleName), so
// that the program links no GUI library and starts where none is installed. Program
// and module each hold their own copy of the libraries they are built from; nothing
// crosses between them but these plain values.

extern "C" {

// What the command line asked the windows to do.
struct SetupWindowsRequest {
    int bUninstall;          // nonzero: uninstall from `hostFolder`; else install
    const char* hostFolder;  // the folder to uninstall from, a host path
    int bRemoveChanged;      // the uninstall removes listed files changed since, too
};

// The module's one entry point: runs the windows to their end with the program's
// command line (the toolkit reads its own options there) and returns the exit status.
using SetupWindowsEntry = int (*)(int argc, char** argv, const SetupWindowsRequest* request);

}  // extern "C"

namespace setup {

// The name the entry point is exported under. A change of the interface changes the
// number, so that a module of another version is refused instead of called wrongly.
inline constexpr const char* kWindowsEntryPoint = "SetupWindowsMain1";

}  // namespace setup
