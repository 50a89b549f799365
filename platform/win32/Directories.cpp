#include "platform/Directories.h"

#include <windows.h>

#include "platform/AsciiCase.h"
#include "platform/DriveMap.h"
#include "platform/RealPath.h"
#include "platform/WindowsPath.h"
#include "platform/win32/WideString.h"

namespace platform {

namespace {

std::string WithoutTrailingSeparators(std::string path) {
    while (path.size() > 3 && (path.back() == '/' || path.back() == '\\')) {
        path.pop_back();
    }
    return path;
}

}  // namespace

MakeDirectoryResult MakeDirectory(const std::string& path, std::string* created) {
    const std::string host = ToHostPath(path);
    if (host.empty()) {
        return MakeDirectoryResult::kFailed;
    }
    if (::CreateDirectoryW(win32::WidePath(host).c_str(), nullptr)) {
        if (created != nullptr) {
            // The levels in the case they have on disk, which the system reports for
            // the folder it opened; the name given stays where it cannot tell.
            const std::string real = RealPath(host);
            *created = ToWindowsPath(real.empty() ? host : real);
            while (created->size() > 3 && created->back() == '\\') {
                created->pop_back();
            }
        }
        return MakeDirectoryResult::kCreated;
    }
    const DWORD error = ::GetLastError();
    return error == ERROR_ALREADY_EXISTS || error == ERROR_FILE_EXISTS
               ? MakeDirectoryResult::kAlreadyExists
               : MakeDirectoryResult::kFailed;
}

bool IsDirectory(const std::string& path) {
    const std::string host = ToHostPath(path);
    const DWORD attributes =
        host.empty() ? INVALID_FILE_ATTRIBUTES : ::GetFileAttributesW(win32::WidePath(host).c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

bool RemoveEmptyDirectory(const std::string& path) {
    const std::string absolute = AbsoluteWindowsPath(path);
    if (absolute.empty() || absolute.size() <= 3) {
        return false;  // a drive root ("X:\") stays, whatever it maps to
    }
    const std::string host = WithoutTrailingSeparators(ToHostPath(absolute));
    if (host.empty()) {
        return false;
    }
    for (char drive : MappedDrives()) {
        if (EqualsIgnoringAsciiCase(host, WithoutTrailingSeparators(DriveRoot(drive)))) {
            return false;  // the root of another drive reached through this one
        }
    }
    return ::RemoveDirectoryW(win32::WidePath(host).c_str()) != 0;
}

}  // namespace platform
