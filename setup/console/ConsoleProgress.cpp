#include "setup/console/ConsoleProgress.h"

#include <cstdio>

#include "platform/Format.h"
#include "platform/TickCount.h"
#include "setup/config/CountText.h"
#include "setup/config/SetupIni.h"
#include "setup/config/StringTable.h"
#include "setup/console/ConsoleLog.h"

namespace setup {

namespace {

// A terminal redraws no faster than a person reads.
constexpr std::uint32_t kRedrawMilliseconds = 100;

std::string Mebibytes(double bytes) {
    char number[32];
    std::snprintf(number, sizeof number, "%.1f", bytes / (1024.0 * 1024.0));
    return platform::FormatString(LoadSetupString(IDS_LOG_MEBIBYTES), {number});
}

}  // namespace

CConsoleProgress::CConsoleProgress(const std::string& targetDirectory,
                                   platform::CStringArray& copiedFiles, CConsoleLog& log)
    : m_strTargetDirectory(targetDirectory),
      m_copiedFiles(copiedFiles),
      m_log(log),
      m_nFiles(CountFromText(ReadIniString("Files", "Files"))),
      m_nStartTick(platform::TickCount()) {}

void CConsoleProgress::SetStatusText(const std::string& text) {
    m_log.Write(text);
}

void CConsoleProgress::SetProgress(std::uint64_t nDone, std::uint64_t nTotal) {
    const std::uint32_t now = platform::TickCount();
    if (nDone < nTotal && now - m_nShownTick < kRedrawMilliseconds) {
        return;
    }
    m_nShownTick = now;
    const std::uint32_t elapsed = now - m_nStartTick;
    const double rate = elapsed == 0 ? 0.0 : static_cast<double>(nDone) * 1000.0 / elapsed;
    // The file under way is the last one listed as copied.
    const int file = static_cast<int>(m_copiedFiles.size());
    m_log.ShowProgress(platform::FormatString(
        LoadSetupString(IDS_LOG_PROGRESS),
        {Mebibytes(static_cast<double>(nDone)), Mebibytes(static_cast<double>(nTotal)), file,
         m_nFiles, Mebibytes(rate)}));
}

void CConsoleProgress::EndProgress() {
    m_log.ClearProgress();
}

}  // namespace setup
