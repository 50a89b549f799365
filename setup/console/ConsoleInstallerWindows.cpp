#include "setup/console/ConsoleInstallerWindows.h"

#include <algorithm>

#include "platform/AsciiCase.h"
#include "platform/DriveMap.h"
#include "platform/Format.h"
#include "platform/HostPath.h"
#include "platform/SystemStrings.h"
#include "platform/WindowsPath.h"
#include "setup/config/DirectoryChoice.h"
#include "setup/config/SetupIni.h"
#include "setup/config/StringTable.h"
#include "setup/console/ConsoleLog.h"
#include "setup/console/ConsoleProgress.h"
#include "setup/console/ConsoleUserInterface.h"
#include "setup/console/SetupOptions.h"

namespace setup {

namespace {

// The drive list's preselection: C: when it is mapped, else the first drive.
std::string DefaultDrive() {
    const std::vector<char> drives = platform::MappedDrives();
    if (drives.empty()) {
        return std::string();
    }
    const bool hasC = std::find(drives.begin(), drives.end(), 'C') != drives.end();
    return std::string(1, hasC ? 'C' : drives.front()) + ":\\";
}

// Characters as the directory field counts them: UTF-8 continuation bytes are part
// of the character before them.
int CharacterCount(const std::string& text) {
    return static_cast<int>(std::count_if(text.begin(), text.end(), [](char c) {
        return (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    }));
}

bool HasDriveLetter(const std::string& path) {
    return path.size() >= 2 && path[1] == ':' &&
           ((path[0] >= 'A' && path[0] <= 'Z') || (path[0] >= 'a' && path[0] <= 'z'));
}

}  // namespace

CConsoleInstallerWindows::CConsoleInstallerWindows(const CSetupOptions& options, CConsoleLog& log,
                                                   CConsoleUserInterface& ui)
    : m_options(options), m_log(log), m_ui(ui) {}

bool CConsoleInstallerWindows::SplitDirectory(std::string& drive, std::string& directory) {
    std::string path = m_options.m_strDirectory;
    if (!m_options.m_bDirectoryGiven) {
        drive = DefaultDrive();
        directory = ReadIniString("Setup", "DefaultDirectory");
        return true;
    }
    // A host path names the folder through the drive that holds it.
    if (platform::NamesHostPathOnly(path)) {
        path = platform::ToWindowsPath(path);
        if (path.empty()) {
            m_log.Write(platform::FormatString(LoadSetupString(IDS_CONSOLE_NO_DRIVE),
                                               {m_options.m_strDirectory}));
            return false;
        }
    }
    if (!HasDriveLetter(path)) {
        // Text as typed into the field, below the preselected drive.
        drive = DefaultDrive();
        directory = path;
        return true;
    }
    if (platform::DriveRoot(path[0]).empty()) {
        // The drive list offers mapped drives only.
        m_log.Write(platform::FormatString(LoadSetupString(IDS_CONSOLE_NO_DRIVE), {path}));
        return false;
    }
    drive = std::string(1, platform::ToUpperAscii(path[0])) + ":\\";
    const std::size_t rest = path.size() > 2 && (path[2] == '\\' || path[2] == '/') ? 3 : 2;
    directory = path.substr(rest);
    return true;
}

bool CConsoleInstallerWindows::ChooseDirectory(std::string& fullPath) {
    std::string drive;
    std::string directory;
    if (!SplitDirectory(drive, directory)) {
        return false;
    }
    if (CharacterCount(directory) > kMaxDirectoryChars) {
        m_log.Write(platform::FormatString(platform::LoadSystemString(platform::IDS_SYS_MAX_CHARS),
                                           {kMaxDirectoryChars}));
        return false;
    }
    const CDirectoryChoice choice(drive, directory);
    if (!choice.IsAccepted()) {
        m_log.Write(choice.Message());
        return false;
    }
    fullPath = choice.FullPath();
    m_log.Write(platform::FormatString(LoadSetupString(IDS_LOG_DIRECTORY), {fullPath}));
    return true;
}

int CConsoleInstallerWindows::RunProgress(const std::string& targetDirectory,
                                          platform::CStringArray& copiedFiles,
                                          const CCopyRoutine& copy) {
    CConsoleProgress progress(targetDirectory, copiedFiles, m_log);
    m_ui.SetInterruptHandler([this, &progress] {
        if (progress.Status() == kStatusCompleted) {
            m_log.Write(LoadSetupString(IDS_LOG_INTERRUPTED));
            progress.SetStatus(kStatusCancelled);
        }
    });
    copy(progress);
    m_ui.SetInterruptHandler(nullptr);
    return progress.Status();
}

void CConsoleInstallerWindows::BeginRollback() { m_ui.SetRollingBack(true); }

int CConsoleInstallerWindows::AskQuestion(const std::string& question) {
    m_log.Write(platform::FormatString(LoadSetupString(IDS_LOG_ANSWER),
                                       {question, LoadSetupString(IDS_LOG_YES_TO_ALL)}));
    return kAnswerYesToAll;
}

}  // namespace setup
