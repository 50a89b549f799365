#pragma once

#include <string>

#include "framework/WinApp.h"
#include "setup/engine/UninstallRun.h"

namespace setup {

// The installer's application object: remembers the working directory it started
// in, names the program after SETUP.INI's caption and runs the main dialog; the
// program ends when that closes, with the working directory as it found it. Asked
// to uninstall, it runs the uninstall with its windows instead of the main dialog.
class CSetupApp : public framework::CWinApp {
public:
    CSetupApp();
    ~CSetupApp() override;

    bool InitInstance() override;
    // The installer has no help file: F1 does nothing in its dialogs.
    void OnHelp() override;

    // The working directory when the object was made; empty if it could not be read.
    std::string m_strStartDirectory;
    // Set before the run when the command line asks for an uninstall.
    CUninstallRequest m_uninstall;
};

}  // namespace setup
