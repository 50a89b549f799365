#include "setup/console/SetupOptions.h"

#include "platform/Format.h"
#include "setup/config/StringTable.h"

namespace setup {

namespace {

std::string UsageError(int id, std::initializer_list<platform::CFormatArg> args) {
    return platform::FormatString(LoadSetupString(id), args) + "\n" +
           LoadSetupString(IDS_CONSOLE_TRY_HELP) + "\n";
}

}  // namespace

bool CSetupOptions::TakeValue(const std::string& name, const char* inlineValue, int argc,
                              const char* const* argv, int& index, std::string& value,
                              std::string& error) {
    if (inlineValue != nullptr) {
        value = inlineValue;
        return true;
    }
    if (index + 1 >= argc) {
        error = UsageError(IDS_CONSOLE_MISSING_VALUE, {name});
        return false;
    }
    value = argv[++index];
    return true;
}

bool CSetupOptions::Parse(int argc, const char* const* argv, std::string& error) {
    bool unattended = false;
    bool help = false;
    bool version = false;
    bool uninstall = false;
    // The first option that only an installation without windows takes, for the
    // message when --unattended is missing.
    std::string unattendedOnly;
    for (int i = 1; i < argc; ++i) {
        const std::string argument = argv[i];
        const std::size_t equals = argument.find('=');
        const std::string name = argument.substr(0, equals);
        const char* inlineValue = equals == std::string::npos ? nullptr : argv[i] + equals + 1;
        const bool takesValue =
            name == "--directory" || name == "--desktop-launcher" || name == "--log";
        if (inlineValue != nullptr && !takesValue && name != "--uninstall") {
            error = UsageError(IDS_CONSOLE_UNKNOWN_OPTION, {argument});
            return false;
        }
        std::string value;
        if (takesValue && !TakeValue(name, inlineValue, argc, argv, i, value, error)) {
            return false;
        }
        if (name == "--unattended") {
            unattended = true;
        } else if (name == "--uninstall") {
            uninstall = true;
            // Its folder is optional: "--uninstall=DIR", or a next argument that is
            // no option.
            if (inlineValue != nullptr) {
                m_strUninstallDirectory = inlineValue;
            } else if (i + 1 < argc && std::string(argv[i + 1]).rfind("--", 0) != 0) {
                m_strUninstallDirectory = argv[++i];
            }
        } else if (name == "--remove-changed") {
            m_bRemoveChanged = true;
        } else if (name == "--help") {
            help = true;
        } else if (name == "--version") {
            version = true;
        } else if (name == "--directory") {
            m_strDirectory = value;
            m_bDirectoryGiven = true;
        } else if (name == "--log") {
            m_strLogFile = value;
        } else if (name == "--quiet") {
            m_bQuiet = true;
        } else if (name == "--desktop-launcher" && (value == "yes" || value == "no")) {
            m_bDesktopLauncher = value == "yes";
        } else if (name == "--desktop-launcher") {
            error = UsageError(IDS_CONSOLE_BAD_VALUE, {name, value});
            return false;
        } else {
            error = UsageError(IDS_CONSOLE_UNKNOWN_OPTION, {argument});
            return false;
        }
        if (unattendedOnly.empty() && name != "--unattended" && name != "--help" &&
            name != "--version" && name != "--uninstall" && name != "--remove-changed") {
            unattendedOnly = name;
        }
    }
    if (help) {
        m_mode = Mode::Help;
    } else if (version) {
        m_mode = Mode::Version;
    } else if (m_bRemoveChanged && !uninstall) {
        error = UsageError(IDS_CONSOLE_NEEDS_UNINSTALL, {"--remove-changed"});
        return false;
    } else if (uninstall && (m_bDirectoryGiven || m_bDesktopLauncher)) {
        // Options of an installation would be ignored by an uninstall.
        error = UsageError(IDS_CONSOLE_UNKNOWN_OPTION,
                           {m_bDirectoryGiven ? "--directory" : "--desktop-launcher"});
        return false;
    } else if (uninstall) {
        m_mode = unattended ? Mode::UninstallUnattended : Mode::Uninstall;
        if (!unattended && !unattendedOnly.empty()) {
            error = UsageError(IDS_CONSOLE_NEEDS_UNATTENDED, {unattendedOnly});
            return false;
        }
    } else if (unattended) {
        m_mode = Mode::Unattended;
    } else if (!unattendedOnly.empty()) {
        // The windows ask for all of this themselves; silently ignoring an option
        // would install somewhere the caller did not mean.
        error = UsageError(IDS_CONSOLE_NEEDS_UNATTENDED, {unattendedOnly});
        return false;
    }
    return true;
}

}  // namespace setup
