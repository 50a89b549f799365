#pragma once

#include <string>

namespace setup {

// The installer's command line, GNU style: "--name value" or "--name=value". Without
// options the program opens its windows; every other use is told by the options.
class CSetupOptions {
public:
    enum class Mode { Windowed, Unattended, Help, Version, Uninstall, UninstallUnattended };

    // Reads argv[1] ... argv[argc - 1]. False on a usage error, with `error` the
    // message for standard error.
    bool Parse(int argc, const char* const* argv, std::string& error);

    Mode m_mode = Mode::Windowed;
    bool m_bDirectoryGiven = false;  // without it the configured default holds
    std::string m_strDirectory;      // as given
    bool m_bDesktopLauncher = false;
    std::string m_strLogFile;  // host path; empty: no log file
    bool m_bQuiet = false;
    // --uninstall [DIR]: DIR as given, empty for the program's own folder.
    std::string m_strUninstallDirectory;
    bool m_bRemoveChanged = false;

private:
    // Takes the value of option `name` from `inlineValue` (after '=') or from the
    // next argument; false when there is none.
    static bool TakeValue(const std::string& name, const char* inlineValue, int argc,
                          const char* const* argv, int& index, std::string& value,
                          std::string& error);
};

}  // namespace setup
