#pragma once

#include "setup/engine/InstallerWindows.h"

namespace setup {

class CConsoleLog;
class CConsoleUserInterface;
class CSetupOptions;

// The installer's windows answered from the command line. The directory is the one of
// --directory (or the configured default) after every check the directory dialog
// makes on typed text; the progress runs the copy in place, cancelled between files
// by SIGINT or SIGTERM; the rollback's file question is answered Yes to All.
class CConsoleInstallerWindows : public CInstallerWindows {
public:
    CConsoleInstallerWindows(const CSetupOptions& options, CConsoleLog& log,
                             CConsoleUserInterface& ui);

    bool ChooseDirectory(std::string& fullPath) override;
    int RunProgress(const std::string& targetDirectory, platform::CStringArray& copiedFiles,
                    const CCopyRoutine& copy) override;
    int AskQuestion(const std::string& question) override;
    void BeginRollback() override;

private:
    // The drive entry and the text below it that a person would have chosen for
    // --directory; false (after the message) when no drive holds it.
    bool SplitDirectory(std::string& drive, std::string& directory);

    const CSetupOptions& m_options;
    CConsoleLog& m_log;
    CConsoleUserInterface& m_ui;
};

}  // namespace setup
