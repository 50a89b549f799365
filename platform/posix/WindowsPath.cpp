#include "platform/WindowsPath.h"

#include <unistd.h>

#include <cerrno>
#include <vector>

#include "platform/AsciiCase.h"
#include "platform/DriveMap.h"
#include "platform/PathCase.h"
#include "platform/ProgramPath.h"

namespace platform {

namespace {

bool IsSeparator(char c) {
    return c == '\\' || c == '/';
}

bool IsAsciiLetter(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

std::string HostCurrentDirectory() {
    std::vector<char> buffer(4096);
    for (;;) {
        if (::getcwd(buffer.data(), buffer.size()) != nullptr) {
            return buffer.data();
        }
        if (errno != ERANGE) {
            return {};
        }
        buffer.resize(buffer.size() * 2);
    }
}

// Splits `text` at the characters `isSeparator` accepts, dropping empty pieces and "." and
// resolving
// ".." against what came before (never above the start).
template <typename IsSep>
std::vector<std::string> NormalComponents(const std::string& text, IsSep isSeparator) {
    std::vector<std::string> components;
    std::string current;
    auto flush = [&] {
        if (current == "..") {
            if (!components.empty()) {
                components.pop_back();
            }
        } else if (!current.empty() && current != ".") {
            components.push_back(current);
        }
        current.clear();
    };
    for (char c : text) {
        if (isSeparator(c)) {
            flush();
        } else {
            current += c;
        }
    }
    flush();
    return components;
}

// Joins `components` below the drive root "X:\".
std::string JoinBelowRoot(char drive, const std::vector<std::string>& components,
                          bool trailingSeparator) {
    std::string result{drive, ':', '\\'};
    for (std::size_t i = 0; i < components.size(); ++i) {
        if (i > 0) {
            result += '\\';
        }
        result += components[i];
    }
    if (trailingSeparator && !components.empty()) {
        result += '\\';
    }
    return result;
}

// Host path lexically normalised: absolute, no "." or "..", no repeated '/'.
std::string NormalHostPath(const std::string& hostPath, bool& trailingSeparator) {
    std::string absolute = hostPath;
    if (absolute.empty() || absolute[0] != '/') {
        const std::string current = HostCurrentDirectory();
        if (current.empty()) {
            return {};
        }
        absolute = current + "/" + absolute;
    }
    trailingSeparator = absolute.size() > 1 && absolute.back() == '/';
    std::string result;
    for (const std::string& component :
         NormalComponents(absolute, [](char c) { return c == '/'; })) {
        result += '/';
        result += component;
    }
    return result.empty() ? "/" : result;
}

}  // namespace

std::string AbsoluteWindowsPath(const std::string& path) {
    if (path.size() >= 2 && IsSeparator(path[0]) && IsSeparator(path[1])) {
        return {};
    }
    char drive = 0;
    std::string base;  // absolute Windows directory that `rest` is relative to
    std::string rest;
    if (path.size() >= 2 && IsAsciiLetter(path[0]) && path[1] == ':') {
        drive = ToUpperAscii(path[0]);
        rest = path.substr(2);
        if (rest.empty() || !IsSeparator(rest[0])) {
            const std::string current = ToWindowsPath(HostCurrentDirectory());
            base = (!current.empty() && current[0] == drive) ? current : std::string{drive, ':'};
        }
    } else {
        const std::string current = ToWindowsPath(HostCurrentDirectory());
        if (current.empty()) {
            return {};
        }
        drive = current[0];
        rest = path;
        if (path.empty() || !IsSeparator(path[0])) {
            base = current;
        }
    }
    // `base` is "X:..." or empty; everything after its "X:" is joined with `rest`.
    const std::string below = (base.size() > 2 ? base.substr(2) + "\\" : std::string()) + rest;
    const bool trailing = !rest.empty() && IsSeparator(rest.back());
    return JoinBelowRoot(drive, NormalComponents(below, IsSeparator), trailing);
}

std::string ToHostPathAsNamed(const std::string& path) {
    const std::string absolute = AbsoluteWindowsPath(path);
    if (absolute.empty()) {
        return {};
    }
    const std::string root = DriveRoot(absolute[0]);
    if (root.empty()) {
        return {};
    }
    std::string below = absolute.substr(3);
    for (char& c : below) {
        if (c == '\\') {
            c = '/';
        }
    }
    if (below.empty()) {
        return root;
    }
    return root == "/" ? "/" + below : root + "/" + below;
}

std::string ToHostPath(const std::string& path) {
    const std::string host = ToHostPathAsNamed(path);
    return host.empty() ? host : ResolveExistingCase(host);
}

std::string ToWindowsPath(const std::string& hostPath) {
    bool trailing = false;
    const std::string normal = NormalHostPath(hostPath, trailing);
    if (normal.empty()) {
        return {};
    }
    std::string best;
    for (char drive : MappedDrives()) {
        const std::string root = DriveRoot(drive);
        std::string below;
        if (root == "/") {
            below = normal.substr(1);
        } else if (normal == root) {
            below.clear();
        } else if (normal.size() > root.size() && normal.compare(0, root.size(), root) == 0 &&
                   normal[root.size()] == '/') {
            below = normal.substr(root.size() + 1);
        } else {
            continue;
        }
        std::string candidate{drive, ':', '\\'};
        for (char c : below) {
            candidate += (c == '/') ? '\\' : c;
        }
        if (trailing && !below.empty()) {
            candidate += '\\';
        }
        if (best.empty() || candidate.size() < best.size()) {
            best = candidate;
        }
    }
    return best;
}

std::string WindowsProgramPath() {
    return ToWindowsPath(ProgramPath());
}

}  // namespace platform
