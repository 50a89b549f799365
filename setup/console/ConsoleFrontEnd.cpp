#include "setup/console/ConsoleFrontEnd.h"

#include <cstdio>
#include <string>

#include "platform/Console.h"
#include "platform/Format.h"
#include "platform/ProcessStart.h"
#include "platform/TextFileReader.h"
#include "platform/UserInterface.h"
#include "platform/WindowsPath.h"
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
// script is better served by refusing at once: nothing it asks for can be done.
bool SetupIniReadable(std::string& path) {
    const std::string directory = GetSetupDirectory();
    path = directory.empty() ? std::string("SETUP.INI")
                             : platform::ToHostPath(directory + "SETUP.INI");
    platform::CTextFileReader reader;
    if (directory.empty() || path.empty() || !reader.Open(path)) {
        return false;
    }
    std::string_view line;
    platform::CTextFileReader::Result result;
    while ((result = reader.ReadLineView(line)) == platform::CTextFileReader::Result::Line) {
    }
    return result == platform::CTextFileReader::Result::End;
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

}  // namespace

std::optional<int> RunWithoutWindows(int argc, const char* const* argv) {
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
    }
    return InstallUnattended(options);
}

}  // namespace setup
