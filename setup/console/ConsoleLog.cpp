#include "setup/console/ConsoleLog.h"

#include <ctime>

#include "platform/Console.h"
#include "platform/Format.h"
#include "platform/HostPath.h"
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
}

bool CConsoleLog::OpenFile(const std::string& path) {
    m_strFilePath = path;
    return m_file.Open(path);
}

void CConsoleLog::Write(const std::string& text) {
    const std::string line = OneLine(text);
    // Handed to the system line by line: a run that is killed leaves a log up to its
    // last step.
    if (m_file.IsOpen() && !m_file.Write(TimeStamp() + ' ' + line + '\n')) {
        m_bFileIncomplete = true;
    }
    if (!m_bQuiet) {
        ClearProgress();
        if (!platform::WriteToStandardError(line + '\n')) {
            m_bStandardErrorIncomplete = true;
        }
    }
}

void CConsoleLog::Finish(const std::string& text) {
    Write(text);
    // Through Write, to both streams: the one that lost lines may take this one again
    // (a disk with room once more), and a reader of it then learns what it lacks.
    const bool fileIncomplete = m_bFileIncomplete;
    const bool standardErrorIncomplete = m_bStandardErrorIncomplete;
    if (fileIncomplete) {
        Write(platform::FormatString(LoadSetupString(IDS_LOG_FILE_INCOMPLETE), {m_strFilePath}));
    }
    if (standardErrorIncomplete) {
        Write(LoadSetupString(IDS_LOG_STANDARD_ERROR_INCOMPLETE));
    }
}

void CConsoleLog::ShowProgress(const std::string& text) {
    if (m_bTerminal) {
        // Back to the line's start and the rest of the line cleared. A terminal that
        // is gone only loses the progress line: it is no line of the log.
        platform::WriteToStandardError("\r" + OneLine(text) + "\033[K");
        m_bProgressShown = true;
    }
}

void CConsoleLog::ClearProgress() {
    if (m_bProgressShown) {
        platform::WriteToStandardError("\r\033[K");
        m_bProgressShown = false;
    }
}

void CConsoleLog::FileCopied(const std::string& destination) {
    Write(platform::FormatString(LoadSetupString(IDS_LOG_COPIED), {destination}));
}

void CConsoleLog::CopyFailed(const std::string& destination, const std::string& cause) {
    // The message box names the file only; a log can say what the system answered.
    if (!cause.empty()) {
        Write(platform::FormatString(LoadSetupString(IDS_LOG_NOT_COPIED), {destination, cause}));
    }
}

void CConsoleLog::FileRemoved(const std::string& path) {
    Write(platform::FormatString(LoadSetupString(IDS_LOG_REMOVED), {path}));
}

void CConsoleLog::FileNotRemoved(const std::string& path, NotRemoved why,
                                 const std::string& cause) {
    switch (why) {
        case NotRemoved::AlreadyGone:
            Write(platform::FormatString(LoadSetupString(IDS_LOG_ALREADY_GONE), {path}));
            break;
        case NotRemoved::Changed:
            Write(platform::FormatString(LoadSetupString(IDS_LOG_KEPT_CHANGED), {path}));
            break;
        case NotRemoved::NotALauncher:
            Write(platform::FormatString(LoadSetupString(IDS_LOG_KEPT_NOT_LAUNCHER), {path}));
            break;
        case NotRemoved::Failed:
            Write(platform::FormatString(LoadSetupString(IDS_LOG_NOT_REMOVED), {path, cause}));
            break;
    }
}

void CConsoleLog::LauncherWritten(const std::string& hostPath) {
    if (!hostPath.empty()) {
        Write(platform::FormatString(LoadSetupString(IDS_LOG_LAUNCHER),
                                     {platform::ShownHostPath(hostPath)}));
    }
}

void CConsoleLog::ProgramStarted(const std::string& commandLine) {
    Write(platform::FormatString(LoadSetupString(IDS_LOG_STARTED), {commandLine}));
}

}  // namespace setup
