#include "setup/console/ConsoleFrontEnd.h"

#include <cstdio>
#include <string>

#include "platform/Console.h"
#include "platform/Format.h"
#include "platform/HostPath.h"
#include "platform/ProcessStart.h"
#include "platform/ProgramPath.h"
#include "platform/RealPath.h"
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

// Opens the --log file when one is given; false, after saying why on standard error,
// when it cannot be written.
bool OpenLogFile(const CSetupOptions& options, CConsoleLog& log) {
    if (options.m_strLogFile.empty() || log.OpenFile(options.m_strLogFile)) {
        return true;
    }
    std::fprintf(
        stderr, "%s\n",
        platform::FormatString(LoadSetupString(IDS_CONSOLE_CANNOT_OPEN_LOG), {options.m_strLogFile})
            .c_str());
    return false;
}

// Logs the last line of a run that ended in `report`; returns its exit status.
int Finish(CConsoleLog& log, COutcomeReport report) {
    SetRunObserver(nullptr);
    platform::SetUserInterface(nullptr);
    log.Finish(platform::FormatString(LoadSetupString(report.nMessage), {report.status}));
    return report.status;
}

int InstallUnattended(const CSetupOptions& options) {
    platform::InitializeProcess();
    CConsoleLog log(options.m_bQuiet);
    if (!OpenLogFile(options, log)) {
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
    return Finish(log, ReportOf(RunInstallation(windows, installDirectory, RunPostCopyActions)));
}

// The folder of --uninstall as a host path: the program's own folder by default, a
// path that can only be a host path as it is, anything else in Windows form through
// the drives. Its
// real path, as the installation enters its folder: the uninstall opens the folder
// without following a link, and a link to an installed folder is still that folder.
std::string UninstallFolder(const CSetupOptions& options) {
    const std::string& given = options.m_strUninstallDirectory;
    std::string folder;
    if (given.empty()) {
        const std::string program = platform::ProgramPath();
        folder = program.substr(0, program.rfind('/') + 1);
    } else if (platform::NamesHostPathOnly(given)) {
        folder = given;
    } else {
        const std::string absolute = platform::AbsoluteWindowsPath(given);
        folder = absolute.empty() ? std::string() : platform::ToHostPath(absolute);
    }
    // A folder that does not exist stays as named: there is nothing installed in it.
    const std::string real = folder.empty() ? std::string() : platform::RealPath(folder);
    return real.empty() ? folder : real;
}

int UninstallUnattended(const CSetupOptions& options, const std::string& hostFolder) {
    CConsoleLog log(options.m_bQuiet);
    if (!OpenLogFile(options, log)) {
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
    return Finish(log, ReportOf(RunUninstall(windows, hostFolder, options.m_bRemoveChanged)));
}

}  // namespace

std::optional<int> RunWithoutWindows(int argc, const char* const* argv,
                                     CUninstallRequest* windowedUninstall) {
    CSetupOptions options;
    std::string error;
    const bool parsed = options.Parse(argc, argv, error);
    if (!parsed || options.m_mode != CSetupOptions::Mode::Windowed) {
        platform::PrepareStandardStreams();
    }
    if (!parsed) {
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
