#include "platform/InstallFolder.h"

#include <dirent.h>
#include <fcntl.h>
#include <linux/openat2.h>
#include <stdio.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>

#include "platform/FileSystemCalls.h"
#include "platform/Sha256.h"
#include "platform/posix/CopyContents.h"
#include "platform/posix/Descriptor.h"
#include "platform/posix/WriteAll.h"

namespace platform {

namespace {

using posix::CDescriptor;

constexpr std::string_view kOwnPrefix = ".~setup-";
constexpr int kLevelFlags = O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC;

// Opens `relative` below `folder` in one call that refuses every link and every
// way out of `folder`. -1 with errno ENOSYS where the kernel lacks the call.
int OpenBeneath(int folder, const std::string& relative) {
#ifdef SYS_openat2
    static bool unavailable = false;
    if (!unavailable) {
        open_how how{};
        how.flags = kLevelFlags;
        how.resolve = RESOLVE_BENEATH | RESOLVE_NO_SYMLINKS | RESOLVE_NO_MAGICLINKS;
        const long opened = ::syscall(SYS_openat2, folder, relative.c_str(), &how, sizeof how);
        // Seccomp filters of some sandboxes answer EPERM for calls they do not know.
        if (opened >= 0 || (errno != ENOSYS && errno != EPERM)) {
            return static_cast<int>(opened);
        }
        unavailable = true;
    }
#endif
    errno = ENOSYS;
    return -1;
}

// The same one level at a time, each opened without following a link.
int WalkBeneath(int folder, const std::string& relative) {
    CDescriptor level;
    std::size_t start = 0;
    for (;;) {
        const std::size_t end = std::min(relative.find('/', start), relative.size());
        const std::string name = relative.substr(start, end - start);
        if (name.empty() || name == "." || name == "..") {
            errno = EPERM;
            return -1;
        }
        level =
            CDescriptor(::openat(level.IsOpen() ? level.Get() : folder, name.c_str(), kLevelFlags));
        if (!level.IsOpen() || end == relative.size()) {
            return level.Release();
        }
        start = end + 1;
    }
}

std::string NameOf(const std::string& relative) {
    const std::size_t slash = relative.rfind('/');
    return slash == std::string::npos ? relative : relative.substr(slash + 1);
}

std::string FolderOf(const std::string& relative) {
    const std::size_t slash = relative.rfind('/');
    return slash == std::string::npos ? std::string() : relative.substr(0, slash);
}

// Renames the complete temporary over `name`. A new file must not take the place
// of one that appeared meanwhile; a replaced original is swapped into the
// temporary's name in the same step, so that `name` is never missing.
bool PutInPlace(int folder, const std::string& temporary, const std::string& name, bool replaces,
                std::string& kept) {
    const CFileSystemCalls& calls = FileSystemCalls();
    if (!replaces) {
        if (calls.m_pRename(folder, temporary.c_str(), folder, name.c_str(), RENAME_NOREPLACE) ==
            0) {
            return true;
        }
        // File systems without the flag: a name that is taken is not replaced here,
        // and the lock keeps other runs out.
        struct stat existing;
        return errno == EINVAL &&
               ::fstatat(folder, name.c_str(), &existing, AT_SYMLINK_NOFOLLOW) != 0 &&
               errno == ENOENT &&
               calls.m_pRename(folder, temporary.c_str(), folder, name.c_str(), 0) == 0;
    }
    if (calls.m_pRename(folder, temporary.c_str(), folder, name.c_str(), RENAME_EXCHANGE) == 0) {
        kept = temporary;
        return true;
    }
    if (errno != EINVAL) {
        return false;
    }
    // Without the exchange: a second name for the original, then the rename.
    const std::string aside = temporary + "-kept";
    if (::linkat(folder, name.c_str(), folder, aside.c_str(), 0) != 0) {
        return false;
    }
    if (calls.m_pRename(folder, temporary.c_str(), folder, name.c_str(), 0) != 0) {
        ::unlinkat(folder, aside.c_str(), 0);
        return false;
    }
    kept = aside;
    return true;
}

// The descriptor of a level as OpenLevel gives it, closed unless it is the folder.
class CLevel {
public:
    CLevel(int descriptor, int folder) : m_nDescriptor(descriptor), m_nFolder(folder) {}
    ~CLevel() {
        if (m_nDescriptor >= 0 && m_nDescriptor != m_nFolder) {
            ::close(m_nDescriptor);
        }
    }
    CLevel(const CLevel&) = delete;
    CLevel& operator=(const CLevel&) = delete;
    int Get() const { return m_nDescriptor; }

private:
    int m_nDescriptor;
    int m_nFolder;
};

// Opens a source file for reading without ever waiting on a FIFO's writer or a
// device: O_NONBLOCK, and only a regular file goes further. A regular file under
// another process's lease answers that open with EWOULDBLOCK; it is then reopened,
// as the very inode a path-only descriptor found, by a blocking open that waits
// until the lease holder lets go, as any reader of the file would.
int OpenSource(const std::string& sourceHost) {
    constexpr int kFlags = O_RDONLY | O_CLOEXEC | O_NOCTTY;
    const int descriptor = ::open(sourceHost.c_str(), kFlags | O_NONBLOCK);
    if (descriptor >= 0 || errno != EWOULDBLOCK) {
        return descriptor;
    }
    const CDescriptor path(::open(sourceHost.c_str(), O_PATH | O_CLOEXEC));
    struct stat status;
    if (!path.IsOpen() || ::fstat(path.Get(), &status) != 0 || !S_ISREG(status.st_mode)) {
        errno = EWOULDBLOCK;
        return -1;
    }
    return ::open(("/proc/self/fd/" + std::to_string(path.Get())).c_str(), kFlags);
}

}  // namespace

CInstallFolder::~CInstallFolder() {
    if (m_nFolder >= 0) {
        ::close(m_nFolder);  // also ends the lock
    }
}

bool CInstallFolder::Open(const std::string& hostPath) {
    m_nProcess = static_cast<long>(::getpid());
    m_nFolder = ::open(hostPath.c_str(), kLevelFlags);
    std::string trimmed = hostPath;
    while (trimmed.size() > 1 && trimmed.back() == '/') {
        trimmed.pop_back();
    }
    m_strName = NameOf(trimmed);
    return m_nFolder >= 0;
}

bool CInstallFolder::TryLock() {
    int locked;
    do {
        locked = ::flock(m_nFolder, LOCK_EX | LOCK_NB);
    } while (locked != 0 && errno == EINTR);
    return locked == 0;
}

bool CInstallFolder::IsOwnName(std::string_view name) {
    return name.substr(0, kOwnPrefix.size()) == kOwnPrefix;
}

int CInstallFolder::OpenLevel(const std::string& relativeFolder) const {
    if (relativeFolder.empty()) {
        return m_nFolder;
    }
    const int opened = OpenBeneath(m_nFolder, relativeFolder);
    return opened >= 0 || errno != ENOSYS ? opened : WalkBeneath(m_nFolder, relativeFolder);
}

void CInstallFolder::RemoveLeftovers(const std::string& relativeFolder, int folder) {
    if (!m_cleaned.insert(relativeFolder).second) {
        return;
    }
    DIR* listing = ::fdopendir(::fcntl(folder, F_DUPFD_CLOEXEC, 0));
    if (listing == nullptr) {
        return;
    }
    // The listing's own position is shared with `folder`'s duplicate only.
    ::rewinddir(listing);
    while (const dirent* entry = ::readdir(listing)) {
        if (IsOwnName(entry->d_name)) {
            ::unlinkat(folder, entry->d_name, 0);
        }
    }
    ::closedir(listing);
}

std::string CInstallFolder::NewTemporaryName() {
    return std::string(kOwnPrefix) + std::to_string(m_nProcess) + "-" + std::to_string(++m_nSerial);
}

FileCopyResult CInstallFolder::PlaceFile(const std::string& sourceHost, const std::string& relative,
                                         std::string& kept, const CChunkCallback& afterChunk,
                                         bool bListedAsAbsent) {
    kept.clear();
    const std::string name = NameOf(relative);
    const CLevel folder(OpenLevel(FolderOf(relative)), m_nFolder);
    if (folder.Get() < 0 || name.empty() || IsOwnName(name)) {
        return FileCopyResult::kNotWritten;
    }
    RemoveLeftovers(FolderOf(relative), folder.Get());
    CDescriptor source(OpenSource(sourceHost));
    if (!source.IsOpen() && errno == ENOENT) {
        return FileCopyResult::kNoSource;
    }
    struct stat from;
    if (!source.IsOpen() || ::fstat(source.Get(), &from) != 0 || !S_ISREG(from.st_mode)) {
        return FileCopyResult::kNotWritten;
    }
    struct stat existing;
    bool replaces = false;
    // A name the caller's listing lacks costs no failing lookup: the rename that puts
    // the new file in place refuses to replace anything.
    if (!bListedAsAbsent &&
        ::fstatat(folder.Get(), name.c_str(), &existing, AT_SYMLINK_NOFOLLOW) == 0) {
        // Copying a file onto itself, or over a link, folder or device, is refused.
        if (!S_ISREG(existing.st_mode) ||
            (existing.st_dev == from.st_dev && existing.st_ino == from.st_ino)) {
            return FileCopyResult::kNotWritten;
        }
        replaces = true;
    } else if (!bListedAsAbsent && errno != ENOENT) {
        return FileCopyResult::kNotWritten;
    }
    // The source's permission bits without set-ID and sticky bits; the kernel applies
    // the umask to the new file.
    std::string temporary;
    CDescriptor target;
    do {
        temporary = NewTemporaryName();
        target = CDescriptor(::openat(folder.Get(), temporary.c_str(),
                                      O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW,
                                      from.st_mode & 0777));
    } while (!target.IsOpen() && errno == EEXIST);
    if (!target.IsOpen()) {
        return FileCopyResult::kNotWritten;
    }
    // Only a replaced original has anything to lose in a power cut, so only then
    // must the new contents be on the disk before the rename.
    bool ok = posix::CopyContents(source.Get(), target.Get(),
                                  static_cast<std::uint64_t>(from.st_size), afterChunk) &&
              (!replaces || FileSystemCalls().m_pFsync(target.Get()) == 0);
    ok = target.Close() && ok;
    ok = ok && PutInPlace(folder.Get(), temporary, name, replaces, kept);
    if (!ok) {
        ::unlinkat(folder.Get(), temporary.c_str(), 0);
        return FileCopyResult::kNotWritten;
    }
    return FileCopyResult::kCopied;
}

bool CInstallFolder::RemoveFile(const std::string& relative) {
    const CLevel folder(OpenLevel(FolderOf(relative)), m_nFolder);
    return folder.Get() >= 0 && ::unlinkat(folder.Get(), NameOf(relative).c_str(), 0) == 0;
}

bool CInstallFolder::PutBack(const std::string& relative, const std::string& kept) {
    const CLevel folder(OpenLevel(FolderOf(relative)), m_nFolder);
    return folder.Get() >= 0 &&
           FileSystemCalls().m_pRename(folder.Get(), kept.c_str(), folder.Get(),
                                       NameOf(relative).c_str(), 0) == 0;
}

bool CInstallFolder::DropKept(const std::string& relative, const std::string& kept) {
    const CLevel folder(OpenLevel(FolderOf(relative)), m_nFolder);
    return folder.Get() >= 0 && IsOwnName(kept) && ::unlinkat(folder.Get(), kept.c_str(), 0) == 0;
}

bool CInstallFolder::WriteWhole(const std::string& relative, std::string_view contents) {
    const std::string name = NameOf(relative);
    const CLevel folder(OpenLevel(FolderOf(relative)), m_nFolder);
    if (folder.Get() < 0 || name.empty() || IsOwnName(name)) {
        return false;
    }
    std::string temporary;
    CDescriptor target;
    do {
        temporary = NewTemporaryName();
        target = CDescriptor(::openat(folder.Get(), temporary.c_str(),
                                      O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW, 0644));
    } while (!target.IsOpen() && errno == EEXIST);
    if (!target.IsOpen()) {
        return false;
    }
    bool ok =
        posix::WriteAll(target.Get(), contents) && FileSystemCalls().m_pFsync(target.Get()) == 0;
    ok = target.Close() && ok;
    ok = ok && FileSystemCalls().m_pRename(folder.Get(), temporary.c_str(), folder.Get(),
                                           name.c_str(), 0) == 0;
    if (!ok) {
        ::unlinkat(folder.Get(), temporary.c_str(), 0);
    }
    return ok;
}

namespace {

// Opens the regular file `name` in `folder` for reading, never through a link and
// never waiting on a FIFO; -1 for anything else.
int OpenRegular(int folder, const std::string& name, struct stat& status) {
    CDescriptor file(
        ::openat(folder, name.c_str(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY));
    if (!file.IsOpen() || ::fstat(file.Get(), &status) != 0 || !S_ISREG(status.st_mode)) {
        return -1;
    }
    return file.Release();
}

}  // namespace

bool CInstallFolder::ReadWhole(const std::string& relative, std::size_t limit,
                               std::string& contents) const {
    const CLevel folder(OpenLevel(FolderOf(relative)), m_nFolder);
    struct stat status;
    const CDescriptor file(folder.Get() < 0 ? -1
                                            : OpenRegular(folder.Get(), NameOf(relative), status));
    if (!file.IsOpen() || static_cast<std::uint64_t>(status.st_size) > limit) {
        return false;
    }
    contents.clear();
    char buffer[65536];
    ssize_t n;
    while ((n = ::read(file.Get(), buffer, sizeof buffer)) > 0 && contents.size() <= limit) {
        contents.append(buffer, static_cast<std::size_t>(n));
    }
    return n == 0 && contents.size() <= limit;
}

bool CInstallFolder::DigestFile(const std::string& relative, std::uint64_t& size,
                                std::string& digest) const {
    const CLevel folder(OpenLevel(FolderOf(relative)), m_nFolder);
    struct stat status;
    const CDescriptor file(folder.Get() < 0 ? -1
                                            : OpenRegular(folder.Get(), NameOf(relative), status));
    if (!file.IsOpen()) {
        return false;
    }
    CSha256 sha;
    size = 0;
    char buffer[65536];
    ssize_t n;
    while ((n = ::read(file.Get(), buffer, sizeof buffer)) > 0) {
        sha.Update(buffer, static_cast<std::size_t>(n));
        size += static_cast<std::uint64_t>(n);
    }
    digest = sha.FinishHex();
    return n == 0;
}

bool CInstallFolder::RemoveFolder(const std::string& relative) {
    const CLevel folder(OpenLevel(FolderOf(relative)), m_nFolder);
    return folder.Get() >= 0 &&
           ::unlinkat(folder.Get(), NameOf(relative).c_str(), AT_REMOVEDIR) == 0;
}

bool CInstallFolder::RemoveItself() {
    // The parent this folder really lies in, whatever its path says now; the name
    // must still lead to this very folder, not to one swapped in under it.
    const CDescriptor parent(::openat(m_nFolder, "..", kLevelFlags));
    struct stat self;
    struct stat named;
    return parent.IsOpen() && !m_strName.empty() && m_strName != "/" &&
           ::fstat(m_nFolder, &self) == 0 &&
           ::fstatat(parent.Get(), m_strName.c_str(), &named, AT_SYMLINK_NOFOLLOW) == 0 &&
           self.st_dev == named.st_dev && self.st_ino == named.st_ino &&
           ::unlinkat(parent.Get(), m_strName.c_str(), AT_REMOVEDIR) == 0;
}

std::vector<std::string> CInstallFolder::List(const std::string& relative) const {
    std::vector<std::string> names;
    const CLevel folder(OpenLevel(relative), m_nFolder);
    DIR* listing =
        folder.Get() < 0 ? nullptr : ::fdopendir(::fcntl(folder.Get(), F_DUPFD_CLOEXEC, 0));
    if (listing == nullptr) {
        return names;
    }
    ::rewinddir(listing);
    while (const dirent* entry = ::readdir(listing)) {
        const std::string name = entry->d_name;
        if (name != "." && name != "..") {
            names.push_back(name);
        }
    }
    ::closedir(listing);
    std::sort(names.begin(), names.end());
    return names;
}

}  // namespace platform
