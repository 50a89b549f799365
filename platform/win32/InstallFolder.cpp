#include "platform/InstallFolder.h"

#include <windows.h>
#include <winternl.h>

#include <algorithm>
#include <vector>

#include "platform/AsciiCase.h"
#include "platform/FolderLevel.h"
#include "platform/Sha256.h"
#include "platform/win32/FileSystemCalls.h"
#include "platform/win32/Handle.h"
#include "platform/win32/WideString.h"
#include "platform/win32/WriteAll.h"


// The native listing call, which the Win32 headers leave out.
extern "C" NTSTATUS NTAPI NtQueryDirectoryFile(HANDLE, HANDLE, PVOID, PVOID, PIO_STATUS_BLOCK,
                                               PVOID, ULONG, FILE_INFORMATION_CLASS, BOOLEAN,
                                               PUNICODE_STRING, BOOLEAN);

namespace platform {

namespace {

using win32::CHandle;
using win32::HandleOf;
using win32::WriteAll;

// The file whose range lock is the folder's; one of the installer's own names.
constexpr std::string_view kLockName = ".~setup-lock";

// A level below the folder, to list it and to open and create names in it.
constexpr ACCESS_MASK kLevelAccess =
    FILE_LIST_DIRECTORY | FILE_TRAVERSE | FILE_READ_ATTRIBUTES | SYNCHRONIZE;
// Every open refuses to follow a reparse point, and waits for its own I/O.
constexpr ULONG kOpenOptions = FILE_OPEN_REPARSE_POINT | FILE_SYNCHRONOUS_IO_NONALERT;

// Opens `name` below `folder` with the native call, which takes a name relative to a
// handle and so never looks at the path that led to the folder.
CHandle OpenAt(HANDLE folder, const std::string& name, ACCESS_MASK access, ULONG disposition,
               ULONG options) {
    void* opened = nullptr;
    const std::wstring wide = win32::Wide(name);
    const long status = FileSystemCalls().m_pOpenAt(folder, wide.c_str(), access,
                                                    FILE_ATTRIBUTE_NORMAL, disposition,
                                                    options | kOpenOptions, &opened);
    return CHandle(NT_SUCCESS(status) ? opened : nullptr);
}

// The file's attributes, from its handle.
bool AttributesOf(HANDLE file, DWORD& attributes) {
    FILE_ATTRIBUTE_TAG_INFO tag;
    if (!::GetFileInformationByHandleEx(file, FileAttributeTagInfo, &tag, sizeof tag)) {
        return false;
    }
    attributes = tag.FileAttributes;
    return true;
}

// Whether the folder's own listing shows a reparse point at `name`. Wine presents a
// symbolic link of its host's as a reparse point only in a listing (and to a look by
// path), and opens through it otherwise; on Windows the handle's attributes tell as
// well. The name is checked whole before, so it holds no wildcard. A listing keeps
// the pattern of its first query for good, so each look lists through a handle of
// its own.
bool NamedAsReparsePoint(HANDLE parent, const std::string& name) {
    const CHandle listing =
        OpenAt(parent, std::string(), FILE_LIST_DIRECTORY | SYNCHRONIZE, FILE_OPEN,
               FILE_DIRECTORY_FILE);
    const HANDLE folder = listing.Get();
    std::wstring wide = win32::Wide(name);
    UNICODE_STRING pattern;
    pattern.Buffer = wide.data();
    pattern.Length = static_cast<USHORT>(wide.size() * sizeof(wchar_t));
    pattern.MaximumLength = pattern.Length;
    alignas(8) unsigned char buffer[sizeof(FILE_FULL_DIR_INFO) + 512 * sizeof(wchar_t)];
    IO_STATUS_BLOCK status;
    const NTSTATUS result =
        ::NtQueryDirectoryFile(folder, nullptr, nullptr, nullptr, &status, buffer, sizeof buffer,
                               FileFullDirectoryInformation, TRUE, &pattern, TRUE);
    return NT_SUCCESS(result) &&
           (reinterpret_cast<const FILE_FULL_DIR_INFO*>(buffer)->FileAttributes &
            FILE_ATTRIBUTE_REPARSE_POINT) != 0;
}

// A file or folder that is no reparse point, by its handle and by its name.
bool IsPlain(HANDLE folder, const std::string& name, HANDLE opened) {
    DWORD attributes = 0;
    return AttributesOf(opened, attributes) && (attributes & FILE_ATTRIBUTE_REPARSE_POINT) == 0 &&
           !NamedAsReparsePoint(folder, name);
}

// Opens the level `name` below `folder`, refused when it is a reparse point.
CHandle OpenLevelAt(HANDLE folder, const std::string& name) {
    CHandle level = OpenAt(folder, name, kLevelAccess, FILE_OPEN, FILE_DIRECTORY_FILE);
    if (level.IsOpen() && !IsPlain(folder, name, level.Get())) {
        ::SetLastError(ERROR_CANT_ACCESS_FILE);
        return CHandle();
    }
    return level;
}

// What is at `name` in `folder`, without following a reparse point.
CFileLook LookAt(HANDLE folder, const std::string& name) {
    CFileLook look;
    const CHandle file = OpenAt(folder, name, FILE_READ_ATTRIBUTES | SYNCHRONIZE, FILE_OPEN, 0);
    BY_HANDLE_FILE_INFORMATION info;
    if (file.IsOpen() && ::GetFileInformationByHandle(file.Get(), &info)) {
        look.m_bThere = true;
        look.m_bRegular = (info.dwFileAttributes &
                           (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_REPARSE_POINT)) == 0 &&
                          !NamedAsReparsePoint(folder, name);
        look.m_nDevice = info.dwVolumeSerialNumber;
        look.m_nInode =
            (static_cast<std::uint64_t>(info.nFileIndexHigh) << 32) | info.nFileIndexLow;
    }
    return look;
}

bool IdentityOf(HANDLE file, std::uint64_t& volume, std::uint64_t& index) {
    BY_HANDLE_FILE_INFORMATION info;
    if (!::GetFileInformationByHandle(file, &info)) {
        return false;
    }
    volume = info.dwVolumeSerialNumber;
    index = (static_cast<std::uint64_t>(info.nFileIndexHigh) << 32) | info.nFileIndexLow;
    return true;
}

bool Rename(HANDLE file, HANDLE folder, const std::string& name, bool replace) {
    const std::wstring wide = win32::Wide(name);
    return FileSystemCalls().m_pRename(file, folder, wide.c_str(), replace ? 1 : 0) != 0;
}

// Removes what `name` in `folder` is, a link itself and never what it points to.
bool RemoveAt(HANDLE folder, const std::string& name, ULONG options) {
    const CHandle file =
        OpenAt(folder, name, DELETE | FILE_READ_ATTRIBUTES | SYNCHRONIZE, FILE_OPEN, options);
    return file.IsOpen() && FileSystemCalls().m_pRemove(file.Get()) != 0;
}

// Renames the file `from` in `folder` to `to`, replacing nothing.
bool RenameAt(HANDLE folder, const std::string& from, const std::string& to) {
    const CHandle file =
        OpenAt(folder, from, DELETE | FILE_READ_ATTRIBUTES | SYNCHRONIZE, FILE_OPEN,
               FILE_NON_DIRECTORY_FILE);
    return file.IsOpen() && Rename(file.Get(), folder, to, false);
}

// Puts the complete `temporary` (open as `file`) in place of `name`. A new file must
// not take the place of one that appeared meanwhile. A replaced original keeps a
// second name first, the temporary's with "-kept", and the rename then replaces its
// first name in one step; where the file system has no second names, the original is
// renamed aside and the temporary into its place, which leaves the name missing for a
// moment and the journal able to tell.
bool PutInPlace(HANDLE folder, const std::string& temporary, const std::string& name, bool replaces,
                const CFileLook& original, const CPlacement& placement) {
    // The complete file, closed, is renamed through a handle of its own, and only
    // while its name still holds it.
    const CHandle written = OpenAt(folder, temporary, DELETE | FILE_READ_ATTRIBUTES | SYNCHRONIZE,
                                   FILE_OPEN, FILE_NON_DIRECTORY_FILE);
    std::uint64_t volume = 0;
    std::uint64_t index = 0;
    if (!written.IsOpen() || !IdentityOf(written.Get(), volume, index) ||
        volume != placement.m_nDevice || index != placement.m_nInode) {
        return false;
    }
    const HANDLE file = written.Get();
    if (!replaces) {
        return Rename(file, folder, name, false);
    }
    const std::string aside = temporary + std::string(kKeptSuffix);
    CHandle existing =
        OpenAt(folder, name, DELETE | FILE_READ_ATTRIBUTES | SYNCHRONIZE, FILE_OPEN,
               FILE_NON_DIRECTORY_FILE);
    if (!existing.IsOpen() || !LookAt(folder, name).Is(original)) {
        ::SetLastError(ERROR_FILE_EXISTS);  // something else took the name meanwhile
        return false;
    }
    const std::wstring wideAside = win32::Wide(aside);
    if (FileSystemCalls().m_pLink(existing.Get(), folder, wideAside.c_str()) != 0) {
        // A file still open is not replaced by a rename under Wine, as on some file
        // systems of Windows: the original has its second name now, so the handle goes.
        existing.Reset();
        if (Rename(file, folder, name, true)) {
            return true;
        }
        const DWORD error = ::GetLastError();
        RemoveAt(folder, aside, FILE_NON_DIRECTORY_FILE);
        ::SetLastError(error);
        return false;
    }
    const DWORD linkError = ::GetLastError();
    if (linkError != ERROR_NOT_SUPPORTED && linkError != ERROR_INVALID_FUNCTION) {
        return false;
    }
    if (!Rename(existing.Get(), folder, aside, false)) {
        return false;
    }
    if (!Rename(file, folder, name, false)) {
        const DWORD error = ::GetLastError();
        Rename(existing.Get(), folder, name, false);
        ::SetLastError(error);
        return false;
    }
    return true;
}

// Copies what is left of `source` to `target` in chunks, calling `afterChunk` after
// each one.
bool CopyContents(HANDLE source, HANDLE target, const CChunkCallback& afterChunk) {
    std::uint64_t copied = 0;
    for (;;) {
        unsigned long moved = 0;
        if (!FileSystemCalls().m_pCopyChunk(source, target, static_cast<unsigned long>(kCopyChunk),
                                            &moved)) {
            return false;
        }
        if (moved == 0) {
            return true;
        }
        copied += moved;
        if (afterChunk) {
            afterChunk(copied);
        }
    }
}

// Opens the regular file `name` in `folder` for reading, never through a reparse
// point.
CHandle OpenRegular(HANDLE folder, const std::string& name) {
    CHandle file = OpenAt(folder, name, GENERIC_READ | SYNCHRONIZE, FILE_OPEN,
                          FILE_NON_DIRECTORY_FILE | FILE_SEQUENTIAL_ONLY);
    if (file.IsOpen() && !IsPlain(folder, name, file.Get())) {
        return CHandle();
    }
    return file;
}

// The level as OpenLevel gives it, closed unless it is the folder itself.
class CLevel {
public:
    CLevel(CSystemHandle level, CSystemHandle folder)
        : m_level(HandleOf(level)), m_bOwned(level != folder) {}
    ~CLevel() {
        if (m_bOwned) {
            CHandle closing(m_level);
        }
    }
    CLevel(const CLevel&) = delete;
    CLevel& operator=(const CLevel&) = delete;
    HANDLE Get() const { return CHandle::IsHandle(m_level) ? m_level : nullptr; }

private:
    HANDLE m_level;
    bool m_bOwned;
};

// Gives up the lock: the file goes as its handle closes, unless another run has it
// open as well, which then finds it gone (delete pending) and reports a run.
void ReleaseLock(CSystemHandle& lock) {
    if (lock != kNoHandle) {
        FileSystemCalls().m_pRemove(HandleOf(lock));
        win32::CloseSystemHandle(lock);
    }
}

// A level as the common code uses it. Where the file system has no second names, the
// swap renames the original aside before the new file takes its name.
class CWin32Level final : public CFolderLevel {
public:
    CWin32Level(CSystemHandle level, CSystemHandle folder)
        : CFolderLevel(true), m_level(level, folder), m_folder(m_level.Get()) {}

    CFileLook Look(const std::string& name) const override { return LookAt(m_folder, name); }
    bool Remove(const std::string& name) override {
        return RemoveAt(m_folder, name, FILE_NON_DIRECTORY_FILE);
    }
    bool RemoveIfThere(const std::string& name) override {
        return !LookAt(m_folder, name).m_bThere || Remove(name);
    }
    bool RenameOver(const std::string& from, const std::string& to) override {
        const CHandle file = OpenAt(m_folder, from, DELETE | FILE_READ_ATTRIBUTES | SYNCHRONIZE,
                                    FILE_OPEN, FILE_NON_DIRECTORY_FILE);
        return file.IsOpen() && Rename(file.Get(), m_folder, to, true);
    }
    bool RenameInto(const std::string& from, const std::string& to) override {
        return RenameAt(m_folder, from, to);
    }
    std::vector<std::string> Names() const override;

private:
    const CLevel m_level;
    const HANDLE m_folder;
};

std::vector<std::string> CWin32Level::Names() const {
    std::vector<std::string> names;
    alignas(8) unsigned char buffer[64 * 1024];
    FILE_INFO_BY_HANDLE_CLASS query = FileFullDirectoryRestartInfo;
    while (::GetFileInformationByHandleEx(m_folder, query, buffer, sizeof buffer)) {
        query = FileFullDirectoryInfo;
        for (std::size_t offset = 0;;) {
            const auto* entry = reinterpret_cast<const FILE_FULL_DIR_INFO*>(buffer + offset);
            const std::string name = win32::Narrow(
                std::wstring_view(entry->FileName, entry->FileNameLength / sizeof(wchar_t)));
            if (name != "." && name != ".." && !EqualsIgnoringAsciiCase(name, kLockName)) {
                names.push_back(name);
            }
            if (entry->NextEntryOffset == 0) {
                break;
            }
            offset += entry->NextEntryOffset;
        }
    }
    return names;
}

}  // namespace

// A NUL would end a name early, "." and ".." would lead elsewhere, '\' and ':' are
// separators (of levels, of a file's streams), the other characters a name on Win32
// cannot hold are refused, and so are a trailing dot or blank, which the system's
// path rules drop and so make two names one.
bool IsSafeComponent(std::string_view name) {
    return !name.empty() && name != "." && name != ".." && name.back() != '.' &&
           name.back() != ' ' && std::none_of(name.begin(), name.end(), [](char c) {
               const auto byte = static_cast<unsigned char>(c);
               return byte < 0x20 || byte == 0x7f ||
                      std::string_view("/\\:*?\"<>|").find(c) != std::string_view::npos;
           });
}

void TakeLevelWalk(bool) {
    // Win32 has one way to open the levels: each one below its parent's handle.
}

CInstallFolder::~CInstallFolder() {
    CloseJournal();
    ReleaseLock(m_hLock);
    win32::CloseSystemHandle(m_hFolder);
}

bool CInstallFolder::Open(const std::string& hostPath) {
    m_nProcess = static_cast<long>(::GetCurrentProcessId());
    m_strPath = hostPath;
    while (m_strPath.size() > 3 && (m_strPath.back() == '/' || m_strPath.back() == '\\')) {
        m_strPath.pop_back();
    }
    const std::wstring path = win32::WidePath(m_strPath);
    // No DELETE access: it would keep every program that lists the folder without
    // sharing deletion out of it for the whole run.
    CHandle folder(::CreateFileW(path.c_str(), kLevelAccess,
                                 FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                 OPEN_EXISTING,
                                 FILE_FLAG_BACKUP_SEMANTICS | FILE_FLAG_OPEN_REPARSE_POINT, nullptr));
    DWORD attributes = 0;
    const DWORD named = ::GetFileAttributesW(path.c_str());
    if (!folder.IsOpen() || !AttributesOf(folder.Get(), attributes) ||
        (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0 ||
        ((attributes | (named == INVALID_FILE_ATTRIBUTES ? 0 : named)) &
         FILE_ATTRIBUTE_REPARSE_POINT) != 0) {
        if (folder.IsOpen()) {
            ::SetLastError(ERROR_DIRECTORY);
        }
        return Fail("CreateFileW");
    }
    win32::CloseSystemHandle(m_hFolder);
    m_hFolder = win32::SystemHandleOf(folder.Release());
    return true;
}

bool CInstallFolder::TryLock() {
    if (m_hLock != kNoHandle) {
        return true;
    }
    CHandle lock = OpenAt(HandleOf(m_hFolder), std::string(kLockName),
                          GENERIC_READ | GENERIC_WRITE | DELETE | SYNCHRONIZE, FILE_OPEN_IF,
                          FILE_NON_DIRECTORY_FILE);
    OVERLAPPED range{};
    if (!lock.IsOpen() ||
        !::LockFileEx(lock.Get(), LOCKFILE_EXCLUSIVE_LOCK | LOCKFILE_FAIL_IMMEDIATELY, 0, 1, 0,
                      &range)) {
        return false;
    }
    // A lock on a file that its last holder has just removed guards nothing.
    FILE_STANDARD_INFO standard;
    if (!::GetFileInformationByHandleEx(lock.Get(), FileStandardInfo, &standard, sizeof standard) ||
        standard.DeletePending) {
        return false;
    }
    m_hLock = win32::SystemHandleOf(lock.Release());
    return true;
}

bool CInstallFolder::IsOwnName(std::string_view name) {
    // Win32 finds a name in any letter case, so the prefix counts in any case too.
    return name.size() >= kOwnPrefix.size() &&
           EqualsIgnoringAsciiCase(name.substr(0, kOwnPrefix.size()), kOwnPrefix);
}

bool CInstallFolder::Fail(const char* call) const {
    m_strFailure = std::string(call) + ": " + win32::ErrorText(::GetLastError());
    return false;
}

bool CInstallFolder::FailPlacing(bool bNameRefused) const {
    if (bNameRefused) {
        ::SetLastError(ERROR_INVALID_NAME);
    }
    return Fail("NtCreateFile");
}

CSystemHandle CInstallFolder::OpenLevel(const std::string& relativeFolder) const {
    if (relativeFolder.empty()) {
        return m_hFolder;
    }
    if (!IsSafeRelative(relativeFolder)) {
        ::SetLastError(ERROR_INVALID_NAME);
        return kNoHandle;
    }
    CHandle level;
    std::size_t start = 0;
    for (;;) {
        const std::size_t end = std::min(relativeFolder.find('/', start), relativeFolder.size());
        CHandle next = OpenLevelAt(level.IsOpen() ? level.Get() : HandleOf(m_hFolder),
                                   relativeFolder.substr(start, end - start));
        if (!next.IsOpen()) {
            return kNoHandle;
        }
        level = std::move(next);
        if (end == relativeFolder.size()) {
            return win32::SystemHandleOf(level.Release());
        }
        start = end + 1;
    }
}

std::unique_ptr<CFolderLevel> CInstallFolder::OpenFolderLevel(
    const std::string& relativeFolder) const {
    const CSystemHandle level = OpenLevel(relativeFolder);
    if (!CHandle::IsHandle(HandleOf(level))) {
        return nullptr;
    }
    return std::make_unique<CWin32Level>(level, m_hFolder);
}

FileCopyResult CInstallFolder::PlaceFile(const std::string& sourceHost, const std::string& relative,
                                         const CChunkCallback& afterChunk, bool bListedAsAbsent,
                                         const CBeforePlacing& beforePlacing,
                                         CPlacement& placement) {
    const CLevel folder(StartPlacement(relative, placement), m_hFolder);
    if (folder.Get() == nullptr) {
        return FileCopyResult::kNotWritten;
    }
    const CHandle source(::CreateFileW(win32::WidePath(sourceHost).c_str(), GENERIC_READ,
                                       FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                                       FILE_FLAG_SEQUENTIAL_SCAN, nullptr));
    if (!source.IsOpen()) {
        const DWORD error = ::GetLastError();
        if (error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND) {
            return FileCopyResult::kNoSource;
        }
        Fail("CreateFileW");
        return FileCopyResult::kNotWritten;
    }
    // Only a file on a disk is copied: a device or a pipe is refused before a byte of
    // it is read.
    std::uint64_t volume = 0;
    std::uint64_t index = 0;
    if (::GetFileType(source.Get()) != FILE_TYPE_DISK || !IdentityOf(source.Get(), volume, index)) {
        ::SetLastError(ERROR_INVALID_FUNCTION);
        Fail("CreateFileW");
        return FileCopyResult::kNotWritten;
    }
    return Place(
        win32::SystemHandleOf(folder.Get()), NameOf(relative), 0, bListedAsAbsent, volume, index,
        [&](CSystemHandle target) { return CopyContents(source.Get(), HandleOf(target), afterChunk); },
        beforePlacing, placement);
}

FileCopyResult CInstallFolder::PlaceContents(const std::string& relative, std::string_view contents,
                                             const CBeforePlacing& beforePlacing,
                                             CPlacement& placement) {
    const CLevel folder(StartPlacement(relative, placement), m_hFolder);
    if (folder.Get() == nullptr) {
        return FileCopyResult::kNotWritten;
    }
    return Place(
        win32::SystemHandleOf(folder.Get()), NameOf(relative), 0, false, 0, 0,
        [&](CSystemHandle target) { return WriteAll(HandleOf(target), contents); }, beforePlacing,
        placement);
}

FileCopyResult CInstallFolder::Place(CSystemHandle folderHandle, const std::string& name, unsigned,
                                     bool bListedAsAbsent, std::uint64_t sourceDevice,
                                     std::uint64_t sourceInode,
                                     const std::function<bool(CSystemHandle)>& fill,
                                     const CBeforePlacing& beforePlacing, CPlacement& placement) {
    const HANDLE folder = HandleOf(folderHandle);
    const CFileLook existing = bListedAsAbsent ? CFileLook() : LookAt(folder, name);
    if (existing.m_bThere) {
        // Copying a file onto itself, or over a folder, a link or a device, is refused.
        const bool same = sourceInode != 0 && existing.m_nDevice == sourceDevice &&
                          existing.m_nInode == sourceInode;
        if (!existing.m_bRegular || same) {
            ::SetLastError(existing.m_bRegular ? ERROR_INVALID_PARAMETER : ERROR_FILE_EXISTS);
            Fail("NtCreateFile");
            return FileCopyResult::kNotWritten;
        }
        placement.m_bReplaces = true;
    }
    // A name nothing stood at has no original to protect: the file is made there at
    // once, which refuses one that appeared meanwhile, and costs no rename.
    constexpr ACCESS_MASK kAccess = GENERIC_WRITE | DELETE | FILE_READ_ATTRIBUTES | SYNCHRONIZE;
    const bool direct = bListedAsAbsent;
    CHandle target;
    if (direct) {
        target = OpenAt(folder, name, kAccess, FILE_CREATE, FILE_NON_DIRECTORY_FILE);
    }
    while (!direct && !target.IsOpen()) {
        placement.m_strTemporary = NewTemporaryName();
        target = OpenAt(folder, placement.m_strTemporary, kAccess, FILE_CREATE,
                        FILE_NON_DIRECTORY_FILE);
        if (!target.IsOpen() && ::GetLastError() != ERROR_FILE_EXISTS &&
            ::GetLastError() != ERROR_ALREADY_EXISTS) {
            break;
        }
    }
    if (!target.IsOpen() || !IdentityOf(target.Get(), placement.m_nDevice, placement.m_nInode)) {
        Fail("NtCreateFile");
        return FileCopyResult::kNotWritten;
    }
    // The journal names the temporary before a byte goes into it, so that a run
    // killed in the middle of a large file leaves nothing unexplained. Only a replaced
    // original has anything to lose in a power cut, so only then must the new
    // contents and the journal be on the disk before the swap.
    const CFileSystemCalls& calls = FileSystemCalls();
    bool ok = (!beforePlacing || beforePlacing(placement) || Fail("WriteFile")) &&
              (fill(win32::SystemHandleOf(target.Get())) || Fail("WriteFile")) &&
              (!placement.m_bReplaces || calls.m_pFlush(target.Get()) != 0 ||
               Fail("FlushFileBuffers"));
    // Some file systems (network shares, quotas) report a failed write only here.
    ok = (calls.m_pClose(target.Release()) != 0 || Fail("CloseHandle")) && ok;
    ok = ok && (!placement.m_bReplaces || m_hJournal == kNoHandle ||
                calls.m_pFlush(HandleOf(m_hJournal)) != 0 || Fail("FlushFileBuffers"));
    ok = ok && (direct ||
                PutInPlace(folder, placement.m_strTemporary, name, placement.m_bReplaces, existing,
                           placement) ||
                Fail("NtSetInformationFile"));
    if (!ok) {
        const std::string& made = direct ? name : placement.m_strTemporary;
        if (LookAt(folder, made).Is(placement)) {
            RemoveAt(folder, made, FILE_NON_DIRECTORY_FILE);
        }
        return FileCopyResult::kNotWritten;
    }
    return FileCopyResult::kCopied;
}

bool CInstallFolder::RemoveFile(const std::string& relative) {
    if (!IsSafeRelative(relative)) {
        return false;
    }
    const CLevel folder(OpenLevel(FolderOf(relative)), m_hFolder);
    return (folder.Get() != nullptr &&
            RemoveAt(folder.Get(), NameOf(relative), FILE_NON_DIRECTORY_FILE)) ||
           Fail("SetFileInformationByHandle");
}

bool CInstallFolder::WriteWhole(const std::string& relative, std::string_view contents) {
    const std::string name = NameOf(relative);
    if (!IsSafeRelative(relative) || IsOwnName(name)) {
        return false;
    }
    const CLevel folder(OpenLevel(FolderOf(relative)), m_hFolder);
    if (folder.Get() == nullptr) {
        return false;
    }
    // What stands at the name is replaced only when it is a plain file.
    const CFileLook existing = LookAt(folder.Get(), name);
    if (existing.m_bThere && !existing.m_bRegular) {
        ::SetLastError(ERROR_FILE_EXISTS);
        return Fail("NtCreateFile");
    }
    const CFileSystemCalls& calls = FileSystemCalls();
    std::string temporary;
    CHandle target;
    do {
        temporary = NewTemporaryName();
        target = OpenAt(folder.Get(), temporary, GENERIC_WRITE | FILE_READ_ATTRIBUTES | SYNCHRONIZE,
                        FILE_CREATE, FILE_NON_DIRECTORY_FILE);
    } while (!target.IsOpen() && ::GetLastError() == ERROR_FILE_EXISTS);
    if (!target.IsOpen()) {
        return Fail("NtCreateFile");
    }
    bool ok = (WriteAll(target.Get(), contents) || Fail("WriteFile")) &&
              (calls.m_pFlush(target.Get()) != 0 || Fail("FlushFileBuffers"));
    ok = (calls.m_pClose(target.Release()) != 0 || Fail("CloseHandle")) && ok;
    const CHandle written = ok ? OpenAt(folder.Get(), temporary,
                                        DELETE | FILE_READ_ATTRIBUTES | SYNCHRONIZE, FILE_OPEN,
                                        FILE_NON_DIRECTORY_FILE)
                               : CHandle();
    ok = ok && ((written.IsOpen() && Rename(written.Get(), folder.Get(), name, true)) ||
                Fail("NtSetInformationFile"));
    if (!ok) {
        RemoveAt(folder.Get(), temporary, FILE_NON_DIRECTORY_FILE);
    }
    return ok;
}

bool CInstallFolder::ReadWhole(const std::string& relative, std::size_t limit,
                               std::string& contents) const {
    if (!IsSafeRelative(relative)) {
        return false;
    }
    const CLevel folder(OpenLevel(FolderOf(relative)), m_hFolder);
    const CHandle file = folder.Get() == nullptr ? CHandle() : OpenRegular(folder.Get(), NameOf(relative));
    LARGE_INTEGER size;
    if (!file.IsOpen() || !::GetFileSizeEx(file.Get(), &size) ||
        static_cast<std::uint64_t>(size.QuadPart) > limit) {
        return false;
    }
    contents.clear();
    char buffer[65536];
    DWORD got = 0;
    bool ok;
    while ((ok = ::ReadFile(file.Get(), buffer, sizeof buffer, &got, nullptr) != 0) && got > 0 &&
           contents.size() <= limit) {
        contents.append(buffer, got);
    }
    return ok && contents.size() <= limit;
}

bool CInstallFolder::DigestFile(const std::string& relative, std::uint64_t& size,
                                std::string& digest) const {
    if (!IsSafeRelative(relative)) {
        return false;
    }
    const CLevel folder(OpenLevel(FolderOf(relative)), m_hFolder);
    const CHandle file = folder.Get() == nullptr ? CHandle() : OpenRegular(folder.Get(), NameOf(relative));
    if (!file.IsOpen()) {
        return false;
    }
    CSha256 sha;
    size = 0;
    char buffer[65536];
    DWORD got = 0;
    bool ok;
    while ((ok = ::ReadFile(file.Get(), buffer, sizeof buffer, &got, nullptr) != 0) && got > 0) {
        sha.Update(buffer, got);
        size += got;
    }
    digest = sha.FinishHex();
    return ok;
}

bool CInstallFolder::RemoveFolder(const std::string& relative) {
    if (!IsSafeRelative(relative)) {
        return false;
    }
    const CLevel parent(OpenLevel(FolderOf(relative)), m_hFolder);
    if (parent.Get() == nullptr) {
        return false;
    }
    // A reparse point in its place is not the folder the record names.
    const std::string name = NameOf(relative);
    const CHandle folder = OpenAt(parent.Get(), name, DELETE | FILE_READ_ATTRIBUTES | SYNCHRONIZE,
                                  FILE_OPEN, FILE_DIRECTORY_FILE);
    return folder.IsOpen() && IsPlain(parent.Get(), name, folder.Get()) &&
           FileSystemCalls().m_pRemove(folder.Get()) != 0;
}

bool CInstallFolder::RemoveItself(int levels) {
    // The lock's file must go first, or the folder is not empty; the run is over.
    CloseJournal();
    ReleaseLock(m_hLock);
    // Each level goes through the parent it really lies in, found from its handle
    // whatever its path says now; its name there must still lead to this very folder,
    // not to one swapped in. A folder goes once its last handle closes, so each handle
    // closes as its folder goes, and the parent is empty for the next level.
    CHandle self(HandleOf(m_hFolder));
    m_hFolder = kNoHandle;
    for (int level = 0; level < levels; ++level) {
        std::wstring real(MAX_PATH, L'\0');
        const DWORD length = ::GetFinalPathNameByHandleW(self.Get(), real.data(),
                                                          static_cast<DWORD>(real.size()),
                                                          FILE_NAME_NORMALIZED);
        if (length == 0 || length >= real.size()) {
            return false;
        }
        real.resize(length);
        const std::string path = win32::HostPathOf(real);
        const std::size_t slash = path.rfind('/');
        if (slash == std::string::npos || slash + 1 >= path.size()) {
            return false;  // a drive's root
        }
        const std::string name = path.substr(slash + 1);
        const std::string parentPath = path.substr(0, std::max<std::size_t>(slash, 3));
        CHandle parent(::CreateFileW(win32::WidePath(parentPath).c_str(), kLevelAccess,
                                     FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                     nullptr, OPEN_EXISTING,
                                     FILE_FLAG_BACKUP_SEMANTICS | FILE_FLAG_OPEN_REPARSE_POINT,
                                     nullptr));
        // Opened again by its name in that parent, now with the right to remove it, and
        // removed only when that name still leads to this very folder.
        const CHandle named =
            parent.IsOpen() ? OpenAt(parent.Get(), name, DELETE | FILE_READ_ATTRIBUTES | SYNCHRONIZE,
                                     FILE_OPEN, FILE_DIRECTORY_FILE)
                            : CHandle();
        std::uint64_t volume = 0;
        std::uint64_t index = 0;
        std::uint64_t namedVolume = 0;
        std::uint64_t namedIndex = 0;
        if (!named.IsOpen() || !IsPlain(parent.Get(), name, named.Get()) ||
            !IdentityOf(self.Get(), volume, index) ||
            !IdentityOf(named.Get(), namedVolume, namedIndex) || namedVolume != volume ||
            namedIndex != index || FileSystemCalls().m_pRemove(named.Get()) == 0) {
            return false;
        }
        self = std::move(parent);
        if (parentPath.size() <= 3) {
            return level + 1 == levels;
        }
    }
    return true;
}

bool CInstallFolder::OpenJournal(const std::string& name) {
    CloseJournal();
    if (!IsSafeComponent(name)) {
        return false;
    }
    CHandle journal = OpenAt(HandleOf(m_hFolder), name,
                             FILE_APPEND_DATA | FILE_READ_ATTRIBUTES | SYNCHRONIZE, FILE_OPEN_IF,
                             FILE_NON_DIRECTORY_FILE);
    if (!journal.IsOpen()) {
        return Fail("NtCreateFile");
    }
    m_hJournal = win32::SystemHandleOf(journal.Release());
    return true;
}

bool CInstallFolder::AppendJournal(std::string_view text, bool bDurable) {
    return m_hJournal != kNoHandle && (WriteAll(HandleOf(m_hJournal), text) || Fail("WriteFile")) &&
           (!bDurable || FileSystemCalls().m_pFlush(HandleOf(m_hJournal)) != 0 ||
            Fail("FlushFileBuffers"));
}

void CInstallFolder::CloseJournal() {
    win32::CloseSystemHandle(m_hJournal);
}

}  // namespace platform
