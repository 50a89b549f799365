#include "platform/WindowsPath.h"

#include <algorithm>
#include <string_view>
#include <vector>

#include "platform/AsciiCase.h"
#include "platform/DriveMap.h"
#include "platform/HostPath.h"
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

// The separators of host paths: '/' on every platform, and '\' as well on Win32,
// where a POSIX file name could never hold one.
bool IsHostSeparator(char c) {
    return c == '/' || (kHostNamesIgnoreCase && c == '\\');
}

bool SameHostName(std::string_view a, std::string_view b) {
    return kHostNamesIgnoreCase ? EqualsIgnoringAsciiCase(a, b) : a == b;
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

// Whether `path` is "X:\" and levels that need no resolving: none empty, "." or "..",
// the last one perhaps followed by a separator. The installer converts thousands of
// such paths in a run; they need one copy, not a split into levels and a join.
bool IsNormalAbsolute(std::string_view path) {
    if (path.size() < 4 || !IsAsciiLetter(path[0]) || path[1] != ':' || !IsSeparator(path[2])) {
        return false;
    }
    for (std::size_t start = 3; start < path.size();) {
        std::size_t end = start;
        while (end < path.size() && !IsSeparator(path[end])) {
            ++end;
        }
        const std::string_view level = path.substr(start, end - start);
        if (level.empty() || level == "." || level == "..") {
            return false;
        }
        start = end + 1;
    }
    return true;
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

// Host path lexically normalised: absolute, no "." or "..", no repeated separator,
// '/' between the levels. The root of a Win32 host path gets its drive letter in
// upper case, as the drive map holds it.
std::string NormalHostPath(const std::string& hostPath, bool& trailingSeparator) {
    std::string absolute = hostPath;
    if (!IsAbsoluteHostPath(absolute)) {
        const std::string current = HostCurrentDirectory();
        if (current.empty()) {
            return {};
        }
        absolute = current + "/" + absolute;
    }
    const std::size_t rootLength = HostRootLength(absolute);
    std::string result = absolute.substr(0, rootLength);
    for (char& c : result) {
        c = IsHostSeparator(c) ? '/' : ToUpperAscii(c);
    }
    trailingSeparator = absolute.size() > rootLength && IsHostSeparator(absolute.back());
    bool first = true;
    for (const std::string& component :
         NormalComponents(absolute.substr(rootLength), IsHostSeparator)) {
        result += first ? "" : "/";
        result += component;
        first = false;
    }
    return result;
}

// The part of the normal host path `normal` below the drive root `root` (which ends
// in '/' only when it is a file system's root); false when it lies elsewhere.
bool BelowRoot(const std::string& normal, const std::string& root, std::string& below) {
    if (root.back() == '/') {
        if (normal.size() < root.size() || !SameHostName(normal.substr(0, root.size()), root)) {
            return false;
        }
        below = normal.substr(root.size());
        return true;
    }
    if (SameHostName(normal, root)) {
        below.clear();
        return true;
    }
    if (normal.size() > root.size() && normal[root.size()] == '/' &&
        SameHostName(normal.substr(0, root.size()), root)) {
        below = normal.substr(root.size() + 1);
        return true;
    }
    return false;
}

}  // namespace

std::string AbsoluteWindowsPath(const std::string& path) {
    if (IsNormalAbsolute(path)) {
        std::string result = path;
        result[0] = ToUpperAscii(result[0]);
        std::replace(result.begin() + 2, result.end(), '/', '\\');
        return result;
    }
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
    if (absolute.size() == 3) {
        return root;
    }
    // Built in place: the installer converts a path or two for every file it copies.
    std::string host = root;
    if (host.back() != '/') {
        host += '/';
    }
    const std::size_t start = host.size();
    host.append(absolute, 3);
    std::replace(host.begin() + static_cast<std::ptrdiff_t>(start), host.end(), '\\', '/');
    return host;
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
        std::string below;
        if (!BelowRoot(normal, DriveRoot(drive), below)) {
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
