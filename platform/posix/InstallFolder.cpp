#include "platform/InstallFolder.h"

#include <dirent.h>
#include <fcntl.h>
#include <stdio.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>

#include "platform/FolderLevel.h"
#include "platform/posix/FileSystemCalls.h"
#include "platform/Sha256.h"
#include "platform/posix/CopyContents.h"
#include "platform/posix/Descriptor.h"
#include "platform/posix/WriteAll.h"

namespace platform {

namespace {

using posix::CDescriptor;
using posix::Descriptor;

constexpr int kLevelFlags = O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC;

bool g_walkLevels = false;

// Opens `relative` below `folder` in one call that refuses every link and every
// way out of `folder`. -1 with errno ENOSYS where the kernel lacks the call.
int OpenBeneath(int folder, const std::string& relative) {
    static bool unavailable = false;
    if (!unavailable && !g_walkLevels) {
        const int opened = FileSystemCalls().m_pOpenBeneath(folder, relative.c_str(), kLevelFlags);
        // Seccomp filters of some sandboxes answer EPERM for calls they do not know.
        if (opened >= 0 || (errno != ENOSYS && errno != EPERM)) {
            return opened;
        }
        unavailable = true;
    }
    errno = ENOSYS;
    return -1;
}

// The same one level at a time, each opened without following a link. The caller
// has checked every level.
int WalkBeneath(int folder, const std::string& relative) {
    CDescriptor level;
    std::size_t start = 0;
    for (;;) {
        const std::size_t end = std::min(relative.find('/', start), relative.size());
        const std::string name = relative.substr(start, end - start);
        level = CDescriptor(FileSystemCalls().m_pOpenAt(level.IsOpen() ? level.Get() : folder,
                                                        name.c_str(), kLevelFlags, 0));
        if (!level.IsOpen() || end == relative.size()) {
            return level.Release();
        }
        start = end + 1;
    }
}

// What is at `name` in `folder`, without following a link.
CFileLook LookAt(int folder, const std::string& name) {
    CFileLook look;
    struct stat status;
    if (::fstatat(folder, name.c_str(), &status, AT_SYMLINK_NOFOLLOW) == 0) {
        look.m_bThere = true;
        look.m_bRegular = S_ISREG(status.st_mode);
        look.m_nDevice = status.st_dev;
        look.m_nInode = status.st_ino;
    }
    return look;
}

// Renames the complete temporary over `name`. A new file must not take the place
// of one that appeared meanwhile; a replaced original is swapped into the
// temporary's name in the same step, so that `name` is never missing.
bool PutInPlace(int folder, const std::string& temporary, const std::string& name, bool replaces) {
    const CFileSystemCalls& calls = FileSystemCalls();
    if (!replaces) {
        if (calls.m_pRename(folder, temporary.c_str(), folder, name.c_str(), RENAME_NOREPLACE) ==
            0) {
            return true;
        }
        // File systems without the flag: a name that is taken is not replaced here,
        // and the lock keeps other runs out.
        if (errno != EINVAL) {
            return false;
        }
        if (LookAt(folder, name).m_bThere) {
            errno = EEXIST;
            return false;
        }
        return calls.m_pRename(folder, temporary.c_str(), folder, name.c_str(), 0) == 0;
    }
    if (calls.m_pRename(folder, temporary.c_str(), folder, name.c_str(), RENAME_EXCHANGE) == 0) {
        return true;
    }
    if (errno != EINVAL) {
        return false;
    }
    // Without the exchange: a second name for the original, then the rename.
    const std::string aside = temporary + std::string(kKeptSuffix);
    if (calls.m_pLink(folder, name.c_str(), folder, aside.c_str()) != 0) {
        return false;
    }
    if (calls.m_pRename(folder, temporary.c_str(), folder, name.c_str(), 0) != 0) {
        const int error = errno;
        calls.m_pUnlink(folder, aside.c_str(), 0);
        errno = error;
        return false;
    }
    return true;
}

// The descriptor of a level as OpenLevel gives it, closed unless it is the folder.
class CLevel {
public:
    CLevel(CSystemHandle descriptor, CSystemHandle folder)
        : m_nDescriptor(Descriptor(descriptor)), m_nFolder(Descriptor(folder)) {}
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

// A level as the common code uses it. Where renameat2 cannot exchange, the second
// name is made before the rename, so a swap never leaves the name empty.
class CPosixLevel final : public CFolderLevel {
public:
    CPosixLevel(CSystemHandle level, CSystemHandle folder)
        : CFolderLevel(false), m_level(level, folder), m_nFolder(m_level.Get()) {}

    CFileLook Look(const std::string& name) const override { return LookAt(m_nFolder, name); }
    bool Remove(const std::string& name) override {
        return FileSystemCalls().m_pUnlink(m_nFolder, name.c_str(), 0) == 0;
    }
    bool RemoveIfThere(const std::string& name) override { return Remove(name) || errno == ENOENT; }
    bool RenameOver(const std::string& from, const std::string& to) override {
        return FileSystemCalls().m_pRename(m_nFolder, from.c_str(), m_nFolder, to.c_str(), 0) == 0;
    }
    bool RenameInto(const std::string&, const std::string&) override {
        return false;  // never asked: the swap never leaves the name empty
    }
    std::vector<std::string> Names() const override;

private:
    const CLevel m_level;
    const int m_nFolder;
};

std::vector<std::string> CPosixLevel::Names() const {
    std::vector<std::string> names;
    DIR* listing = ::fdopendir(::fcntl(m_nFolder, F_DUPFD_CLOEXEC, 0));
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
    return names;
}

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

// A NUL would end a name early for the kernel, "." and ".." would lead elsewhere, a
// control character is no name the installer ever writes.
bool IsSafeComponent(std::string_view name) {
    return !name.empty() && name != "." && name != ".." &&
           std::none_of(name.begin(), name.end(), [](char c) {
               const auto byte = static_cast<unsigned char>(c);
               return c == '/' || byte < 0x20 || byte == 0x7f;
           });
}

void TakeLevelWalk(bool bWalk) {
    g_walkLevels = bWalk;
}

CInstallFolder::~CInstallFolder() {
    CloseJournal();
    if (m_hFolder != kNoHandle) {
        ::close(Descriptor(m_hFolder));  // also ends the lock
    }
}

bool CInstallFolder::Open(const std::string& hostPath) {
    m_nProcess = static_cast<long>(::getpid());
    m_strPath = hostPath;
    // "folder/" would make the kernel follow a link that "folder" names.
    while (m_strPath.size() > 1 && m_strPath.back() == '/') {
        m_strPath.pop_back();
    }
    m_hFolder = ::open(m_strPath.c_str(), kLevelFlags);
    return m_hFolder != kNoHandle || Fail("open");
}

bool CInstallFolder::TryLock() {
    int locked;
    do {
        locked = ::flock(Descriptor(m_hFolder), LOCK_EX | LOCK_NB);
    } while (locked != 0 && errno == EINTR);
    return locked == 0;
}

bool CInstallFolder::IsOwnName(std::string_view name) {
    return name.substr(0, kOwnPrefix.size()) == kOwnPrefix;
}

bool CInstallFolder::Fail(const char* call) const {
    m_strFailure = std::string(call) + ": " + std::strerror(errno);
    return false;
}

bool CInstallFolder::FailPlacing(bool bNameRefused) const {
    if (bNameRefused) {
        errno = EPERM;
    }
    return Fail("openat");
}

CSystemHandle CInstallFolder::OpenLevel(const std::string& relativeFolder) const {
    if (relativeFolder.empty()) {
        return m_hFolder;
    }
    if (!IsSafeRelative(relativeFolder)) {
        errno = EPERM;
        return -1;
    }
    const int folder = Descriptor(m_hFolder);
    const int opened = OpenBeneath(folder, relativeFolder);
    return opened >= 0 || errno != ENOSYS ? opened : WalkBeneath(folder, relativeFolder);
}

std::unique_ptr<CFolderLevel> CInstallFolder::OpenFolderLevel(
    const std::string& relativeFolder) const {
    const CSystemHandle level = OpenLevel(relativeFolder);
    if (Descriptor(level) < 0) {
        return nullptr;
    }
    return std::make_unique<CPosixLevel>(level, m_hFolder);
}

FileCopyResult CInstallFolder::PlaceFile(const std::string& sourceHost, const std::string& relative,
                                         const CChunkCallback& afterChunk, bool bListedAsAbsent,
                                         const CBeforePlacing& beforePlacing,
                                         CPlacement& placement) {
    const CLevel folder(StartPlacement(relative, placement), Descriptor(m_hFolder));
    if (folder.Get() < 0) {
        return FileCopyResult::kNotWritten;
    }
    CDescriptor source(OpenSource(sourceHost));
    if (!source.IsOpen() && errno == ENOENT) {
        return FileCopyResult::kNoSource;
    }
    struct stat from;
    if (!source.IsOpen() || ::fstat(source.Get(), &from) != 0) {
        Fail("open");
        return FileCopyResult::kNotWritten;
    }
    if (!S_ISREG(from.st_mode)) {
        errno = EINVAL;
        Fail("open");
        return FileCopyResult::kNotWritten;
    }
    return Place(
        folder.Get(), NameOf(relative), from.st_mode & 0777, bListedAsAbsent, from.st_dev,
        from.st_ino,
        [&](CSystemHandle target) {
            return posix::CopyContents(source.Get(), Descriptor(target),
                                       static_cast<std::uint64_t>(from.st_size), afterChunk);
        },
        beforePlacing, placement);
}

FileCopyResult CInstallFolder::PlaceContents(const std::string& relative, std::string_view contents,
                                             const CBeforePlacing& beforePlacing,
                                             CPlacement& placement) {
    const CLevel folder(StartPlacement(relative, placement), Descriptor(m_hFolder));
    if (folder.Get() < 0) {
        return FileCopyResult::kNotWritten;
    }
    return Place(
        folder.Get(), NameOf(relative), 0644, false, 0, 0,
        [&](CSystemHandle target) { return posix::WriteAll(Descriptor(target), contents); },
        beforePlacing, placement);
}

FileCopyResult CInstallFolder::Place(CSystemHandle folderHandle, const std::string& name,
                                     unsigned mode, bool bListedAsAbsent,
                                     std::uint64_t sourceDevice, std::uint64_t sourceInode,
                                     const std::function<bool(CSystemHandle)>& fill,
                                     const CBeforePlacing& beforePlacing, CPlacement& placement) {
    const int folder = Descriptor(folderHandle);
    struct stat existing;
    // A name the caller's listing lacks costs no failing lookup: the rename that puts
    // the new file in place refuses to replace anything.
    if (!bListedAsAbsent && ::fstatat(folder, name.c_str(), &existing, AT_SYMLINK_NOFOLLOW) == 0) {
        // Copying a file onto itself, or over a link, folder or device, is refused.
        if (!S_ISREG(existing.st_mode) || (sourceInode != 0 && existing.st_dev == sourceDevice &&
                                           existing.st_ino == sourceInode)) {
            errno = S_ISREG(existing.st_mode) ? EINVAL : EEXIST;
            Fail("fstatat");
            return FileCopyResult::kNotWritten;
        }
        placement.m_bReplaces = true;
    } else if (!bListedAsAbsent && errno != ENOENT) {
        Fail("fstatat");
        return FileCopyResult::kNotWritten;
    }
    // The source's permission bits without set-ID and sticky bits; the kernel applies
    // the umask to the new file. A name nothing stood at has no original to protect:
    // the file is made there at once, which refuses one that appeared meanwhile, and
    // costs no rename.
    constexpr int kCreate = O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW;
    const bool direct = bListedAsAbsent;
    CDescriptor target;
    if (direct) {
        target = CDescriptor(FileSystemCalls().m_pOpenAt(folder, name.c_str(), kCreate, mode));
    }
    while (!direct && !target.IsOpen()) {
        placement.m_strTemporary = NewTemporaryName();
        target = CDescriptor(
            FileSystemCalls().m_pOpenAt(folder, placement.m_strTemporary.c_str(), kCreate, mode));
        if (!target.IsOpen() && errno != EEXIST) {
            break;
        }
    }
    struct stat created;
    if (!target.IsOpen() || ::fstat(target.Get(), &created) != 0) {
        Fail("openat");
        return FileCopyResult::kNotWritten;
    }
    placement.m_nDevice = created.st_dev;
    placement.m_nInode = created.st_ino;
    // The journal names the temporary before a byte goes into it, so that a run
    // killed in the middle of a large file leaves nothing unexplained. Only a replaced
    // original has anything to lose in a power cut, so only then must the new
    // contents and the journal be on the disk before the swap.
    const CFileSystemCalls& calls = FileSystemCalls();
    bool ok = (!beforePlacing || beforePlacing(placement) || Fail("write")) &&
              (fill(target.Get()) || Fail("write")) &&
              (!placement.m_bReplaces || calls.m_pFsync(target.Get()) == 0 || Fail("fsync"));
    ok = (target.Close() || Fail("close")) && ok;
    ok = ok && (!placement.m_bReplaces || m_hJournal == kNoHandle ||
                calls.m_pFsync(Descriptor(m_hJournal)) == 0 || Fail("fsync"));
    ok = ok && (direct || PutInPlace(folder, placement.m_strTemporary, name, placement.m_bReplaces) ||
                Fail("renameat2"));
    if (!ok) {
        const std::string& made = direct ? name : placement.m_strTemporary;
        if (LookAt(folder, made).Is(placement)) {
            FileSystemCalls().m_pUnlink(folder, made.c_str(), 0);
        }
        return FileCopyResult::kNotWritten;
    }
    return FileCopyResult::kCopied;
}

bool CInstallFolder::RemoveFile(const std::string& relative) {
    if (!IsSafeRelative(relative)) {
        return false;
    }
    const CLevel folder(OpenLevel(FolderOf(relative)), Descriptor(m_hFolder));
    return (folder.Get() >= 0 &&
            FileSystemCalls().m_pUnlink(folder.Get(), NameOf(relative).c_str(), 0) == 0) ||
           Fail("unlinkat");
}

bool CInstallFolder::WriteWhole(const std::string& relative, std::string_view contents) {
    const std::string name = NameOf(relative);
    if (!IsSafeRelative(relative) || IsOwnName(name)) {
        return false;
    }
    const CLevel folder(OpenLevel(FolderOf(relative)), Descriptor(m_hFolder));
    if (folder.Get() < 0) {
        return false;
    }
    const CFileSystemCalls& calls = FileSystemCalls();
    std::string temporary;
    CDescriptor target;
    do {
        temporary = NewTemporaryName();
        target = CDescriptor(calls.m_pOpenAt(folder.Get(), temporary.c_str(),
                                             O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW,
                                             0644));
    } while (!target.IsOpen() && errno == EEXIST);
    if (!target.IsOpen()) {
        return Fail("openat");
    }
    bool ok = (posix::WriteAll(target.Get(), contents) || Fail("write")) &&
              (calls.m_pFsync(target.Get()) == 0 || Fail("fsync"));
    ok = (target.Close() || Fail("close")) && ok;
    ok = ok &&
         (calls.m_pRename(folder.Get(), temporary.c_str(), folder.Get(), name.c_str(), 0) == 0 ||
          Fail("renameat2"));
    if (!ok) {
        calls.m_pUnlink(folder.Get(), temporary.c_str(), 0);
    }
    return ok;
}

bool CInstallFolder::ReadWhole(const std::string& relative, std::size_t limit,
                               std::string& contents) const {
    if (!IsSafeRelative(relative)) {
        return false;
    }
    const CLevel folder(OpenLevel(FolderOf(relative)), Descriptor(m_hFolder));
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
    if (!IsSafeRelative(relative)) {
        return false;
    }
    const CLevel folder(OpenLevel(FolderOf(relative)), Descriptor(m_hFolder));
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
    if (!IsSafeRelative(relative)) {
        return false;
    }
    const CLevel folder(OpenLevel(FolderOf(relative)), Descriptor(m_hFolder));
    return folder.Get() >= 0 &&
           FileSystemCalls().m_pUnlink(folder.Get(), NameOf(relative).c_str(), AT_REMOVEDIR) == 0;
}

bool CInstallFolder::RemoveItself(int levels) {
    // Each level goes through the parent it really lies in, whatever its path says
    // now; its name there must still lead to this very folder, not to one swapped in.
    std::string path = m_strPath;
    CDescriptor held;
    int self = Descriptor(m_hFolder);
    for (int level = 0; level < levels; ++level) {
        const std::size_t slash = path.rfind('/');
        const std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
        CDescriptor parent(::openat(self, "..", kLevelFlags));
        struct stat status;
        struct stat named;
        if (!parent.IsOpen() || !IsSafeComponent(name) || ::fstat(self, &status) != 0 ||
            ::fstatat(parent.Get(), name.c_str(), &named, AT_SYMLINK_NOFOLLOW) != 0 ||
            status.st_dev != named.st_dev || status.st_ino != named.st_ino ||
            FileSystemCalls().m_pUnlink(parent.Get(), name.c_str(), AT_REMOVEDIR) != 0) {
            return false;
        }
        if (slash == std::string::npos || slash == 0) {
            return level + 1 == levels;
        }
        path.resize(slash);
        held = std::move(parent);
        self = held.Get();
    }
    return true;
}

bool CInstallFolder::OpenJournal(const std::string& name) {
    CloseJournal();
    if (!IsSafeComponent(name)) {
        return false;
    }
    m_hJournal = FileSystemCalls().m_pOpenAt(
        Descriptor(m_hFolder), name.c_str(), O_WRONLY | O_APPEND | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600);
    // The journal's own name must survive a power cut for its lines to be found.
    return (m_hJournal != kNoHandle || Fail("openat")) &&
           (FileSystemCalls().m_pFsync(Descriptor(m_hFolder)) == 0 || Fail("fsync"));
}

bool CInstallFolder::AppendJournal(std::string_view text, bool bDurable) {
    return m_hJournal != kNoHandle &&
           (posix::WriteAll(Descriptor(m_hJournal), text) || Fail("write")) &&
           (!bDurable || FileSystemCalls().m_pFsync(Descriptor(m_hJournal)) == 0 || Fail("fsync"));
}

void CInstallFolder::CloseJournal() {
    if (m_hJournal != kNoHandle) {
        ::close(Descriptor(m_hJournal));
        m_hJournal = kNoHandle;
    }
}

}  // namespace platform
