#pragma once

#include <cstdio>
#include <string>

#include "setup/engine/RunObserver.h"

namespace setup {

// The record of an installation without windows: every message the windows would
// show and every step the run takes on the machine, one line each, in a log file
// (when one is given) and on standard error (unless quiet). A person watching on a
// terminal also sees a progress line, redrawn in place and never written to the log.
class CConsoleLog : public CRunObserver {
public:
    explicit CConsoleLog(bool bQuiet);
    ~CConsoleLog() override;
    CConsoleLog(const CConsoleLog&) = delete;
    CConsoleLog& operator=(const CConsoleLog&) = delete;

    // Appends to the file at host path `path`; false when it cannot be opened.
    bool OpenFile(const std::string& path);

    // One line; line breaks inside `text` (messages meant for a window have them)
    // are joined into one.
    void Write(const std::string& text);

    // Replaces the progress line; nothing when standard error is no terminal.
    void ShowProgress(const std::string& text);
    void ClearProgress();

    void FileCopied(const std::string& destination) override;
    void FileRemoved(const std::string& path) override;
    void LauncherWritten(const std::string& hostPath) override;
    void ProgramStarted(const std::string& commandLine) override;

private:
    bool m_bQuiet;
    bool m_bTerminal;
    bool m_bProgressShown = false;
    std::FILE* m_pFile = nullptr;
};

}  // namespace setup
