#pragma once

#include <string>

#include "platform/Console.h"
#include "setup/engine/RunObserver.h"

namespace setup {

// The record of an installation without windows: every message the windows would
// show and every step the run takes on the machine, one line each, in a log file
// (when one is given) and on standard error (unless quiet). A person watching on a
// terminal also sees a progress line, redrawn in place and never written to the log.
// A line that cannot be written (the disk of the log full, the reader of standard
// error gone) is lost, never a reason to stop the run; Finish says so at the end.
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

    // Writes the last line of a run, `text`, then, when lines were lost, one saying
    // which part of the log is incomplete, to every stream that still takes it.
    void Finish(const std::string& text);

    // Replaces the progress line; nothing when standard error is no terminal.
    void ShowProgress(const std::string& text);
    void ClearProgress();

    void FileCopied(const std::string& destination) override;
    void CopyFailed(const std::string& destination, const std::string& cause) override;
    void FileRemoved(const std::string& path) override;
    void FileNotRemoved(const std::string& path, NotRemoved why, const std::string& cause) override;
    void LauncherWritten(const std::string& hostPath) override;
    void ProgramStarted(const std::string& commandLine) override;

private:
    bool m_bQuiet;
    bool m_bTerminal;
    bool m_bProgressShown = false;
    platform::CLogFile m_file;
    std::string m_strFilePath;
    bool m_bFileIncomplete = false;
    bool m_bStandardErrorIncomplete = false;
};

}  // namespace setup
