#include "platform/Shortcut.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <string_view>

#include "platform/DesktopEntry.h"
#include "platform/KnownFolder.h"
#include "platform/ProgramFile.h"
#include "platform/WindowsPath.h"
#include "platform/posix/WriteAll.h"

namespace platform {

namespace {

// Writes `text` to `path` through a temporary file in the same folder, so that a
// reader (the menu, the desktop) sees the old launcher or the complete new one.
bool ReplaceWith(const std::string& folder, const std::string& path, const std::string& text,
                 mode_t mode) {
    std::string temporary = folder + "/.launcher-XXXXXX";
    const int fd = ::mkostemp(temporary.data(), O_CLOEXEC);
    if (fd < 0) {
        return false;
    }
    bool ok = posix::WriteAll(fd, text) && ::fchmod(fd, mode) == 0 && ::fsync(fd) == 0;
    ok = (::close(fd) == 0) && ok;
    ok = ok && std::rename(temporary.c_str(), path.c_str()) == 0;
    if (!ok) {
        ::unlink(temporary.c_str());
    }
    return ok;
}

constexpr std::string_view kLauncherExtension = ".desktop";

}  // namespace

std::string LauncherFileName(const std::string& linkName) {
    // Menus are not folders here, so only the name part of the link name counts; it
    // also keeps the launcher inside its folder whatever the name holds.
    const std::size_t separator = linkName.find_last_of("/\\");
    const std::string fileName =
        separator == std::string::npos ? linkName : linkName.substr(separator + 1);
    const std::string name = ReplaceFileExtension(fileName, "");
    // A name starting with a dot (".lnk", "..", "...lnk") would give a hidden file
    // that no menu or desktop shows: as unusable as no name.
    if (name.empty() || name.front() == '.') {
        return {};
    }
    return name + std::string(kLauncherExtension);
}

bool IsLauncherFileName(const std::string& name) {
    return name.size() > kLauncherExtension.size() && name.ends_with(kLauncherExtension);
}

bool IsLauncherFolder(const std::string& hostFolder) {
    for (const int special : {kFolderPrograms, kFolderDesktop}) {
        const std::string path = GetSpecialFolderPath(special);
        if (!path.empty() && path == hostFolder) {
            return true;
        }
    }
    return false;
}

std::string CreateShortcut(const std::string& target, const std::string& linkName,
                           const std::string& workingDirectory,
                           const std::string& description, int folder) {
    // Without its folder the launcher would land wherever the bare name points.
    const std::string folderPath = GetSpecialFolderPath(folder);
    if (folderPath.empty()) {
        return {};
    }
    const std::string fileName = LauncherFileName(linkName);
    if (fileName.empty()) {
        return {};
    }
    const std::string name = ReplaceFileExtension(fileName, "");
    CDesktopEntry entry;
    entry.name = name;
    entry.program = ToHostPath(target);
    entry.workingDirectory = ToHostPath(workingDirectory);
    entry.comment = description;
    if (entry.program.empty() || entry.workingDirectory.empty()) {
        return {};
    }
    const std::string text = DesktopEntryText(entry);
    if (text.empty()) {
        return {};
    }
    const mode_t mode = folder == kFolderDesktop ? 0755 : 0644;
    const std::string path = folderPath + "/" + fileName;
    return ReplaceWith(folderPath, path, text, mode) ? path : std::string();
}

}  // namespace platform
