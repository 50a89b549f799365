#include "platform/Directories.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "platform/DriveMap.h"
#include "platform/WindowsPath.h"

namespace platform {

MakeDirectoryResult MakeDirectory(const std::string& path, std::string* created) {
    const std::string host = ToHostPath(path);
    if (host.empty()) {
        return MakeDirectoryResult::kFailed;
    }
    if (::mkdir(host.c_str(), 0777) == 0) {
        if (created != nullptr) {
            *created = ToWindowsPath(host);
            while (created->size() > 3 && created->back() == '\\') {
                created->pop_back();
            }
        }
        return MakeDirectoryResult::kCreated;
    }
    return errno == EEXIST ? MakeDirectoryResult::kAlreadyExists : MakeDirectoryResult::kFailed;
}

bool IsDirectory(const std::string& path) {
    const std::string host = ToHostPath(path);
    struct stat info;
    return !host.empty() && ::stat(host.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

bool RemoveEmptyDirectory(const std::string& path) {
    const std::string absolute = AbsoluteWindowsPath(path);
    if (absolute.empty() || absolute.size() <= 3) {
        return false;  // a drive root ("X:\") stays, whatever it maps to
    }
    const std::string host = ToHostPath(absolute);
    if (host.empty()) {
        return false;
    }
    for (char drive : MappedDrives()) {
        if (host == DriveRoot(drive)) {
            return false;  // the root of another drive reached through this one
        }
    }
    return ::rmdir(host.c_str()) == 0;
}

}  // namespace platform
