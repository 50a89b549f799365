#include "setup/config/DirectoryChoice.h"

#include "platform/AsciiCase.h"
#include "platform/FileIdentity.h"
#include "platform/Format.h"
#include "platform/FullPath.h"
#include "platform/WindowsPath.h"
#include "setup/config/SetupIni.h"
#include "setup/config/StringTable.h"

namespace setup {

namespace {

// A full path as it is compared: without a trailing backslash unless it is a
// drive's root ("C:\").
std::string WithoutTrailingBackslash(std::string path) {
    if (path.size() > 3 && path.back() == '\\') {
        path.pop_back();
    }
    return path;
}

}  // namespace

CDirectoryChoice::CDirectoryChoice(const std::string& drive, const std::string& directory)
    : m_strCombined(drive + directory) {
    // A text of blanks is not empty: it fails, if at all, as a path.
    if (directory.empty()) {
        m_verdict = Verdict::Empty;
    } else if (!platform::ResolveFullPath(m_strCombined, m_strFullPath)) {
        m_verdict = Verdict::Invalid;
    } else if (IsSetupDirectory(m_strFullPath)) {
        m_verdict = Verdict::SetupDirectory;
    }
}

std::string CDirectoryChoice::Message() const {
    switch (m_verdict) {
        case Verdict::Accepted:
            break;
        case Verdict::Empty:
            return LoadSetupString(IDS_DIRECTORY_REQUIRED);
        case Verdict::Invalid:
            // The text as given, not as resolved: that is what the person wrote.
            return platform::FormatString(LoadSetupString(IDS_INVALID_DIRECTORY), {m_strCombined});
        case Verdict::SetupDirectory:
            return LoadSetupString(IDS_SETUP_DIRECTORY_IN_USE);
    }
    return std::string();
}

bool CDirectoryChoice::IsSetupDirectory(const std::string& fullPath) {
    const std::string setupDirectory = GetSetupDirectory();
    std::string setupFullPath;
    // Without a folder of its own the program has nothing to protect; resolving the
    // empty text would name the current directory instead.
    if (setupDirectory.empty() || !platform::ResolveFullPath(setupDirectory, setupFullPath)) {
        return false;
    }
    if (platform::EqualsIgnoringAsciiCase(WithoutTrailingBackslash(fullPath),
                                          WithoutTrailingBackslash(setupFullPath))) {
        return true;
    }
    // The same folder under another spelling: through a symbolic link, another drive
    // letter or another letter case.
    const std::string host = platform::ToHostPath(fullPath);
    const std::string setupHost = platform::ToHostPath(setupFullPath);
    return !host.empty() && !setupHost.empty() && platform::SameFileOrDirectory(host, setupHost);
}

}  // namespace setup
