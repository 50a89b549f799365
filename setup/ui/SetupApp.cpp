#include "setup/ui/SetupApp.h"

#include "platform/CurrentDirectory.h"
#include "platform/UserInterface.h"
#include "setup/config/DirectoryHelpers.h"
#include "setup/config/SetupIni.h"
#include "setup/ui/DialogInstallerWindows.h"
#include "setup/ui/SetupDlg.h"

namespace setup {

// COM has no counterpart on this platform: its start-up before the directory is
// saved and its shut-down after it is restored are left out.
CSetupApp::CSetupApp() : m_strStartDirectory(GetCurrentDir()) {}

CSetupApp::~CSetupApp() {
    // An installation run may leave another directory current; the result is of no
    // use here, as the process is ending.
    platform::ChangeCurrentDirectory(m_strStartDirectory);
}

bool CSetupApp::InitInstance() {
    if (m_uninstall.m_bRequested) {
        CDialogInstallerWindows windows;
        RunUninstall(windows, m_uninstall.m_strHostFolder, m_uninstall.m_bRemoveChanged);
        return false;
    }
    platform::SetDisplayName(ReadIniString("Setup", "Caption"));
    CSetupDlg dialog;
    m_pMainWnd = &dialog;
    dialog.DoModal();
    m_pMainWnd = nullptr;
    return false;
}

void CSetupApp::OnHelp() {}

}  // namespace setup
