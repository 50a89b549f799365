#include "platform/FileOperations.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>

#include "platform/PathCase.h"

namespace platform {

bool FileExists(const std::string& path) {
    struct stat info;
    return ::stat(ResolveExistingCase(path).c_str(), &info) == 0;
}

bool DeleteFile(const std::string& path) {
    return ::unlink(ResolveExistingCase(path).c_str()) == 0;
}

bool RenameFile(const std::string& from, const std::string& to) {
    const std::string target = ResolveExistingCase(to);
    struct stat info;
    if (::lstat(target.c_str(), &info) == 0) {
        errno = EEXIST;
        return false;
    }
    return std::rename(ResolveExistingCase(from).c_str(), target.c_str()) == 0;
}

bool ReplaceFile(const std::string& from, const std::string& to) {
    return std::rename(ResolveExistingCase(from).c_str(), ResolveExistingCase(to).c_str()) == 0;
}

bool CopyFileOverwrite(const std::string& from, const std::string& to) {
    const int source = ::open(ResolveExistingCase(from).c_str(), O_RDONLY | O_CLOEXEC);
    if (source < 0) {
        return false;
    }
    struct stat info;
    if (::fstat(source, &info) != 0 || !S_ISREG(info.st_mode)) {
        ::close(source);
        return false;
    }
    const mode_t mode = info.st_mode & 07777;
    const int target =
        ::open(ResolveExistingCase(to).c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, mode);
    if (target < 0) {
        ::close(source);
        return false;
    }
    bool ok = true;
    char buffer[1 << 16];
    for (;;) {
        const ssize_t got = ::read(source, buffer, sizeof buffer);
        if (got == 0) {
            break;
        }
        if (got < 0) {
            if (errno == EINTR) {
                continue;
            }
            ok = false;
            break;
        }
        for (ssize_t done = 0; done < got;) {
            const ssize_t put =
                ::write(target, buffer + done, static_cast<std::size_t>(got - done));
            if (put < 0) {
                if (errno == EINTR) {
                    continue;
                }
                ok = false;
                break;
            }
            done += put;
        }
        if (!ok) {
            break;
        }
    }
    // An existing target keeps its old mode through O_TRUNC; give it the source's.
    if (ok && ::fchmod(target, mode) != 0) {
        ok = false;
    }
    if (::close(target) != 0) {
        ok = false;
    }
    ::close(source);
    return ok;
}

bool IsFolderWritable(const std::string& path) {
    // The effective IDs decide what the program may do, as they do for open().
    return ::faccessat(AT_FDCWD, ResolveExistingCase(path).c_str(), W_OK | X_OK, AT_EACCESS) == 0;
}

}  // namespace platform
