#pragma once

#include <string>

#include "framework/Dialog.h"

namespace setup {

// The installer's main window: the product's text from SETUP.INI, its description
// and requirements on request, and the installation run. It stays open after each
// run until Exit or the close box.
class CSetupDlg : public framework::CDialog {
public:
    explicit CSetupDlg(CDialog* pParent = nullptr);

    bool OnCommand(int nId, framework::CommandCode code) override;

    void OnDescription();
    void OnRequirements();
    void OnSetup();
    // The installation run, with this dialog as the owner of everything it opens.
    void RunInstallation();

    // The directory chosen in the latest run, with a trailing backslash.
    std::string m_strInstallDirectory;

protected:
    bool OnInitDialog() override;
    // Escape never closes the main window.
    void OnCancel() override;
    // The close box, Alt+F4 and the system menu's Close end it like Exit.
    void OnClose() override;

private:
    framework::CIcon m_hIcon;
};

}  // namespace setup
