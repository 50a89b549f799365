#include "setup/console/ConsoleLog.h"

#include <ctime>

#include "platform/Console.h"
#include "platform/Format.h"
#include "setup/config/StringTable.h"

namespace setup {

namespace {

// "Line one\r\n\r\nLine two" -> "Line one Line two": a run of line breaks is one blank.
std::string OneLine(const std::string& text) {
    std::string line;
    bool inBreak = false;
    for (const char c : text) {
        if (c == '\r' || c == '\n') {
            inBreak = true;
            continue;
        }
        if (inBreak && !line.empty()) {
            line += ' ';
        }
        inBreak = false;
        line += c;
    }
    return line;
}

std::string TimeStamp() {
    const std::time_t now = std::time(nullptr);
    char text[32] = "";
    // One thread: the shared result of localtime is read at once.
    if (const std::tm* local = std::localtime(&now)) {
        std::strftime(text, sizeof text, "%Y-%m-%d %H:%M:%S", local);
    }
    return text;
}

}  // namespace

CConsoleLog::CConsoleLog(bool bQuiet)
    : m_bQuiet(bQuiet), m_bTerminal(!bQuiet && platform::StandardErrorIsTerminal()) {}

CConsoleLog::~CConsoleLog() {
    ClearProgress();
    if (m_pFile != nullptr) {
        std::fclose(m_pFile);
    }
}

bool CConsoleLog::OpenFile(const std::string& path) {
    m_pFile = std::fopen(path.c_str(), "a");
    return m_pFile != nullptr;
}

void CConsoleLog::Write(const std::string& text) {
    const std::string line = OneLine(text);
    if (m_pFile != nullptr) {
        // Flushed line by line: a run that is killed leaves a log up to its last step.
        std::fprintf(m_pFile, "%s %s\n", TimeStamp().c_str(), line.c_str());
        std::fflush(m_pFile);
    }
    if (!m_bQuiet) {
        ClearProgress();
        std::fprintf(stderr, "%s\n", line.c_str());
    }
}

void CConsoleLog::ShowProgress(const std::string& text) {
    if (m_bTerminal) {
        // Back to the line's start and the rest of the line cleared.
        std::fprintf(stderr, "\r%s\033[K", OneLine(text).c_str());
        std::fflush(stderr);
        m_bProgressShown = true;
    }
}

void CConsoleLog::ClearProgress() {
    if (m_bProgressShown) {
        std::fputs("\r\033[K", stderr);
        m_bProgressShown = false;
    }
}

void CConsoleLog::FileCopied(const std::string& destination) {
    Write(platform::FormatString(LoadSetupString(IDS_LOG_COPIED), {destination}));
}

void CConsoleLog::FileRemoved(const std::string& path) {
    Write(platform::FormatString(LoadSetupString(IDS_LOG_REMOVED), {path}));
}

void CConsoleLog::LauncherWritten(const std::string& hostPath) {
    if (!hostPath.empty()) {
        Write(platform::FormatString(LoadSetupString(IDS_LOG_LAUNCHER), {hostPath}));
    }
}

void CConsoleLog::ProgramStarted(const std::string& commandLine) {
    Write(platform::FormatString(LoadSetupString(IDS_LOG_STARTED), {commandLine}));
}

}  // namespace setup
