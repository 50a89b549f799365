#include "platform/KnownFolder.h"

#include <sys/stat.h>

#include <cerrno>
#include <cstdlib>
#include <fstream>

namespace platform {

namespace {

std::string AbsoluteVariable(const char* name) {
    const char* value = std::getenv(name);
    return (value != nullptr && value[0] == '/') ? std::string(value) : std::string();
}

std::string WithoutTrailingSlashes(std::string path) {
    while (path.size() > 1 && path.back() == '/') {
        path.pop_back();
    }
    return path;
}

// $NAME when it is absolute, else `fallback` below the home directory.
std::string BaseDirectory(const char* name, const char* fallback) {
    if (std::string value = AbsoluteVariable(name); !value.empty()) {
        return WithoutTrailingSlashes(value);
    }
    const std::string home = AbsoluteVariable("HOME");
    return home.empty() ? std::string() : WithoutTrailingSlashes(home) + "/" + fallback;
}

bool IsDirectory(const std::string& path) {
    struct stat info;
    return ::stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

// Creates `path` and its missing parents, each new level with mode 0700.
bool MakeDirectories(const std::string& path) {
    if (IsDirectory(path)) {
        return true;
    }
    const std::size_t slash = path.rfind('/');
    if (slash != std::string::npos && slash > 0 && !MakeDirectories(path.substr(0, slash))) {
        return false;
    }
    return ::mkdir(path.c_str(), 0700) == 0 || (errno == EEXIST && IsDirectory(path));
}

// The value of one line `KEY="value"` of user-dirs.dirs when the key is `key`, with
// a leading $HOME expanded; empty for any other line or a value of another form.
std::string UserDirectoryValue(const std::string& line, const std::string& key,
                               const std::string& home) {
    std::size_t pos = line.find_first_not_of(" \t");
    if (pos == std::string::npos || line.compare(pos, key.size(), key) != 0) {
        return {};
    }
    pos = line.find_first_not_of(" \t", pos + key.size());
    if (pos == std::string::npos || line[pos] != '=') {
        return {};
    }
    pos = line.find_first_not_of(" \t", pos + 1);
    if (pos == std::string::npos || line[pos] != '"') {
        return {};
    }
    // The file is written for the shell: inside double quotes a backslash escapes.
    std::string value;
    bool closed = false;
    for (++pos; pos < line.size(); ++pos) {
        if (line[pos] == '\\' && pos + 1 < line.size()) {
            value += line[++pos];
        } else if (line[pos] == '"') {
            closed = true;
            break;
        } else {
            value += line[pos];
        }
    }
    if (!closed) {
        return {};
    }
    if (value.compare(0, 5, "$HOME") == 0 && (value.size() == 5 || value[5] == '/')) {
        return home.empty() ? std::string() : home + value.substr(5);
    }
    return (!value.empty() && value[0] == '/') ? value : std::string();
}

std::string DesktopDirectory() {
    std::string home = AbsoluteVariable("HOME");
    home = home.empty() ? home : WithoutTrailingSlashes(home);
    std::string desktop;
    if (const std::string config = BaseDirectory("XDG_CONFIG_HOME", ".config"); !config.empty()) {
        std::ifstream in(config + "/user-dirs.dirs");
        std::string line;
        while (std::getline(in, line)) {
            // The last setting wins, as when the shell reads the file.
            if (std::string value = UserDirectoryValue(line, "XDG_DESKTOP_DIR", home);
                !value.empty()) {
                desktop = value;
            }
        }
    }
    if (desktop.empty() && !home.empty()) {
        desktop = home + "/Desktop";
    }
    return WithoutTrailingSlashes(desktop);
}

}  // namespace

std::string GetSpecialFolderPath(int folder, bool create) {
    std::string path;
    switch (folder) {
        case kFolderPrograms:
            if (const std::string data = BaseDirectory("XDG_DATA_HOME", ".local/share");
                !data.empty()) {
                path = data + "/applications";
            }
            break;
        case kFolderDesktop:
            path = DesktopDirectory();
            break;
        default:
            break;
    }
    if (path.empty() || !(create ? MakeDirectories(path) : IsDirectory(path))) {
        return {};
    }
    return path;
}

std::string GetUserDataFolder(const std::string& name, bool create) {
    const std::string data = BaseDirectory("XDG_DATA_HOME", ".local/share");
    if (data.empty()) {
        return {};
    }
    const std::string folder = data + "/" + name;
    return (!create || MakeDirectories(folder)) ? folder : std::string();
}

}  // namespace platform
