#include "setup/console/ConsoleFrontEnd.h"

#include <cstdio>
#include <string>

#include "platform/Console.h"
#include "platform/Format.h"
#include "platform/ProcessStart.h"
#include "platform/ProgramPath.h"
#include "platform/RegularFileText.h"
#include "platform/UserInterface.h"
#include "platform/WindowsPath.h"
#include "setup/config/ProfileReader.h"
#include "setup/config/SetupIni.h"
#include "setup/config/StringTable.h"
#include "setup/console/ConsoleInstallerWindows.h"
#include "setup/console/ConsoleLog.h"
#include "setup/console/ConsoleUserInterface.h"
#include "setup/console/ExitStatus.h"
#include "setup/console/SetupOptions.h"
#include "setup/engine/InstallationRun.h"
#include "setup/engine/PostCopyActions.h"

namespace setup {

namespace {

// The windows read a missing SETUP.INI as empty values and say so key by key; a
// script is better served by refusing at once: nothing it asks for can be done. The
// test is the profile reader's own, so that a FIFO, a device or an oversized file is
// refused here as the run would refuse it, without blocking or reading it whole.
bool SetupIniReadable(std::string& path) {
    const std::string directory = GetSetupDirectory();
    path = directory.empty() ? std::string("SETUP.INI")
                             : platform::ToHostPath(directory + "SETUP.INI");
    std::string text;
    return !directory.empty() && !path.empty() &&
           platform::ReadRegularFile(path, CProfileReader::kMaxProfileBytes, text);
}

int OutcomeMessage(InstallOutcome outcome) {
    switch (outcome) {
        case InstallOutcome::Installed:
            return IDS_OUTCOME_INSTALLED;
        case InstallOutcome::NoDirectory:
            return IDS_OUTCOME_NO_DIRECTORY;
        case InstallOutcome::NotEnoughSpace:
            return IDS_OUTCOME_NOT_ENOUGH_SPACE;
        case InstallOutcome::Locked:
            return IDS_OUTCOME_LOCKED;
        case InstallOutcome::Failed:
            return IDS_OUTCOME_FAILED;
        case InstallOutcome::Cancelled:
            return IDS_OUTCOME_CANCELLED;
    }
    return IDS_OUTCOME_FAILED;
}

int InstallUnattended(const CSetupOptions& options) {
    platform::InitializeProcess();
    CConsoleLog log(options.m_bQuiet);
    if (!options.m_strLogFile.empty() && !log.OpenFile(options.m_strLogFile)) {
        std::fprintf(stderr, "%s\n",
                     platform::FormatString(LoadSetupString(IDS_CONSOLE_CANNOT_OPEN_LOG),
                                            {options.m_strLogFile})
                         .c_str());
        return kExitUsage;
    }
    std::string iniPath;
    if (!SetupIniReadable(iniPath)) {
        log.Write(platform::FormatString(LoadSetupString(IDS_CONSOLE_NO_SETUP_INI), {iniPath}));
        return kExitUsage;
    }
    platform::SetDisplayName(ReadIniString("Setup", "Caption"));
    platform::CatchInterrupts();
    CConsoleUserInterface ui(log, options.m_bDesktopLauncher);
    platform::SetUserInterface(&ui);
    SetRunObserver(&log);
    CConsoleInstallerWindows windows(options, log, ui);
    std::string installDirectory;
    const InstallOutcome outcome = RunInstallation(windows, installDirectory, RunPostCopyActions);
    SetRunObserver(nullptr);
    platform::SetUserInterface(nullptr);
    const int status = ExitStatusOf(outcome);
    log.Write(platform::FormatString(LoadSetupString(OutcomeMessage(outcome)), {status}));
    return status;
}

int UninstallOutcomeMessage(UninstallOutcome outcome) {
    switch (outcome) {
        case UninstallOutcome::Removed:
            return IDS_OUTCOME_REMOVED;
        case UninstallOutcome::NothingInstalled:
        case UninstallOutcome::Declined:
            return IDS_OUTCOME_NOTHING_INSTALLED;
        case UninstallOutcome::Damaged:
            return IDS_OUTCOME_DAMAGED;
        case UninstallOutcome::Locked:
            return IDS_OUTCOME_LOCKED;
        case UninstallOutcome::Failed:
            return IDS_OUTCOME_NOT_REMOVED;
        case UninstallOutcome::Cancelled:
            return IDS_OUTCOME_UNINSTALL_CANCELLED;
    }
    return IDS_OUTCOME_NOT_REMOVED;
}

// The folder of --uninstall as a host path: the program's own folder by default, an
// absolute host path as it is, anything else in Windows form through the drives.
std::string UninstallFolder(const CSetupOptions& options) {
    const std::string& given = options.m_strUninstallDirectory;
    if (given.empty()) {
        const std::string program = platform::ProgramPath();
        return program.substr(0, program.rfind('/') + 1);
    }
    if (given.front() == '/') {
        return given;
    }
    const std::string absolute = platform::AbsoluteWindowsPath(given);
    return absolute.empty() ? std::string() : platform::ToHostPath(absolute);
}

int UninstallUnattended(const CSetupOptions& options, const std::string& hostFolder) {
    CConsoleLog log(options.m_bQuiet);
    if (!options.m_strLogFile.empty() && !log.OpenFile(options.m_strLogFile)) {
        std::fprintf(stderr, "%s\n",
                     platform::FormatString(LoadSetupString(IDS_CONSOLE_CANNOT_OPEN_LOG),
                                            {options.m_strLogFile})
                         .c_str());
        return kExitUsage;
    }
    platform::CatchInterrupts();
    CConsoleUserInterface ui(log, false);
    // The uninstall's one question only offers to remove what an installation wrote,
    // as the rollback's questions do: the command line has answered it.
    ui.SetRollingBack(true);
    platform::SetUserInterface(&ui);
    SetRunObserver(&log);
    CConsoleInstallerWindows windows(options, log, ui);
    const UninstallOutcome outcome = RunUninstall(windows, hostFolder, options.m_bRemoveChanged);
    SetRunObserver(nullptr);
    platform::SetUserInterface(nullptr);
    const int status = UninstallExitStatusOf(outcome);
    log.Write(platform::FormatString(LoadSetupString(UninstallOutcomeMessage(outcome)), {status}));
    return status;
}

}  // namespace

std::optional<int> RunWithoutWindows(int argc, const char* const* argv,
                                     CUninstallRequest* windowedUninstall) {
    CSetupOptions options;
    std::string error;
    if (!options.Parse(argc, argv, error)) {
        std::fputs(error.c_str(), stderr);
        return kExitUsage;
    }
    switch (options.m_mode) {
        case CSetupOptions::Mode::Windowed:
            return std::nullopt;
        case CSetupOptions::Mode::Help:
            std::fputs(LoadSetupString(IDS_CONSOLE_USAGE), stdout);
            return 0;
        case CSetupOptions::Mode::Version:
            std::fputs(platform::FormatString(LoadSetupString(IDS_CONSOLE_VERSION), {SETUP_VERSION})
                           .c_str(),
                       stdout);
            return 0;
        case CSetupOptions::Mode::Unattended:
            break;
        case CSetupOptions::Mode::Uninstall:
        case CSetupOptions::Mode::UninstallUnattended: {
            platform::InitializeProcess();
            const std::string folder = UninstallFolder(options);
            if (folder.empty()) {
                std::fprintf(stderr, "%s\n",
                             platform::FormatString(LoadSetupString(IDS_CONSOLE_NO_FOLDER),
                                                    {options.m_strUninstallDirectory})
                                 .c_str());
                return kExitUsage;
            }
            if (options.m_mode == CSetupOptions::Mode::UninstallUnattended) {
                return UninstallUnattended(options, folder);
            }
            if (windowedUninstall != nullptr) {
                *windowedUninstall = CUninstallRequest{true, folder, options.m_bRemoveChanged};
            }
            return std::nullopt;
        }
    }
    return InstallUnattended(options);
}

}  // namespace setup
