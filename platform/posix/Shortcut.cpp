#include "platform/Shortcut.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
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

bool IsRegularFile(const std::string& path) {
    struct stat info;
    return ::stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode);
}

// The host path of the picture beside the program `target` (Windows form) that is
// named like it, PNG before SVG; empty when there is none.
std::string IconBeside(const std::string& target) {
    for (const char* extension : {".png", ".svg"}) {
        if (const std::string icon = ToHostPath(ReplaceFileExtension(target, extension));
            !icon.empty() && IsRegularFile(icon)) {
            return icon;
        }
    }
    return {};
}

// The Exec line of a launcher's text; empty when it has none (or cannot be read).
std::string ExecLine(std::istream&& in) {
    std::string line;
    while (std::getline(in, line)) {
        if (line.starts_with("Exec=")) {
            return line;
        }
    }
    return {};
}

// The file name the launcher `text` of `name` may take in `folder`: its own, unless
// a launcher there starts another program, which is another installation's to keep.
std::string FreeLauncherName(const std::string& folder, const std::string& name,
                             const std::string& text) {
    const std::string exec = ExecLine(std::istringstream(text));
    for (int n = 1; n < 100; ++n) {
        const std::string candidate =
            (n == 1 ? name : name + "-" + std::to_string(n)) + std::string(kLauncherExtension);
        const std::string existing = ExecLine(std::ifstream(folder + "/" + candidate));
        if (existing.empty() || existing == exec) {
            return candidate;
        }
    }
    return {};
}

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
        const std::string path = GetSpecialFolderPath(special, false);
        if (!path.empty() && path == hostFolder) {
            return true;
        }
    }
    return false;
}

std::string CreateShortcut(const std::string& target, const std::string& linkName,
                           const std::string& workingDirectory, const std::string& description,
                           int folder, const std::string& categories) {
    // Without its folder the launcher would land wherever the bare name points.
    const std::string folderPath = GetSpecialFolderPath(folder, true);
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
    entry.icon = IconBeside(target);
    entry.categories = categories;
    if (entry.program.empty() || entry.workingDirectory.empty()) {
        return {};
    }
    const std::string text = DesktopEntryText(entry);
    const std::string freeName =
        text.empty() ? std::string() : FreeLauncherName(folderPath, name, text);
    if (freeName.empty()) {
        return {};
    }
    const mode_t mode = folder == kFolderDesktop ? 0755 : 0644;
    const std::string path = folderPath + "/" + freeName;
    return ReplaceWith(folderPath, path, text, mode) ? path : std::string();
}

}  // namespace platform
