#pragma once

#include "setup/engine/InstallerWindows.h"

namespace setup {

// The installer's windows as the installation run opens them, with the real
// dialogs; each is created without a parent, so the main window owns it.
class CDialogInstallerWindows : public CInstallerWindows {
public:
    bool ChooseDirectory(std::string& fullPath) override;
    int RunProgress(const std::string& targetDirectory, platform::CStringArray& copiedFiles,
                    const CCopyRoutine& copy) override;
    int AskQuestion(const std::string& question) override;
};

}  // namespace setup
