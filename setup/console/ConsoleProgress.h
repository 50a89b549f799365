#pragma once

#include <cstdint>
#include <string>

#include "setup/engine/InstallerWindows.h"

namespace setup {

class CConsoleLog;

// The progress window without a window: the copy routine runs inside it as inside
// the dialog. Its status texts go to the log; its progress (bytes, files, rate) to
// the progress line of a terminal.
class CConsoleProgress : public CCopyProgress {
public:
    CConsoleProgress(const std::string& targetDirectory, platform::CStringArray& copiedFiles,
                     CConsoleLog& log);

    const std::string& TargetDirectory() const override { return m_strTargetDirectory; }
    platform::CStringArray& CopiedFiles() override { return m_copiedFiles; }
    int Status() const override { return m_nStatus; }
    void SetStatus(int nStatus) override { m_nStatus = nStatus; }
    void SetStatusText(const std::string& text) override;
    void SetProgress(std::uint64_t nDone, std::uint64_t nTotal) override;
    void EndProgress() override;

private:
    std::string m_strTargetDirectory;
    platform::CStringArray& m_copiedFiles;
    CConsoleLog& m_log;
    int m_nStatus = kStatusCompleted;
    int m_nFiles;  // the files the configuration lists
    std::uint32_t m_nStartTick;
    std::uint32_t m_nShownTick = 0;
};

}  // namespace setup
