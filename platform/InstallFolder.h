#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "platform/FileCopy.h"
#include "platform/SystemHandle.h"

namespace platform {

class CFolderLevel;

// What must be known of a file before it is put in place, so that a later look at
// the folder tells how far the placement got: the temporary the new contents are
// written as, and that file's identity (device and inode on POSIX, volume serial
// number and file index on Win32). After the swap that replaces an existing
// file the temporary's name holds the original (or, where the file system cannot
// swap, the temporary's name with "-kept" does). A new file that nothing stood in
// the way of is written under its own name: no temporary, and nothing to set aside.
struct CPlacement {
    std::string m_strTemporary;
    std::uint64_t m_nDevice = 0;
    std::uint64_t m_nInode = 0;
    bool m_bReplaces = false;
};

// Called once the temporary exists and before anything is written to it; a false
// result leaves the destination as it was and the file unwritten. Before a swap that
// sets an original aside, the journal (OpenJournal) is synced.
using CBeforePlacing = std::function<bool(const CPlacement&)>;

// How undoing a placement ended.
enum class UndoResult {
    kNothing,   // the placement never happened: nothing of it was there
    kRestored,  // the original is back under its name
    kRemoved,   // the new file is gone (and any temporary of it)
    kKept,      // the new file stays, as asked
    kFailed,    // the folder refused: what was there stays
};

// The folder an installation writes into, held open for the whole run. Every file
// operation is made relative to its handle: a level below it is opened anew for
// each operation and refused when it is a symbolic link (on Win32 any reparse
// point: a junction or a symbolic link) at that moment, so a folder
// swapped for a link while the run goes on leads nowhere outside. Path strings are
// for messages only; the names given here are relative, with '/' between levels, and
// each level is checked whole (no "." or "..", no control character) before any call
// sees it: names may come from a record on disk that anybody could have edited.
//
// A file is never rewritten in place. It is written to a new temporary file beside
// its destination and renamed over it when complete; when it replaces a file, it is
// synced first and the original is kept aside under the temporary's name until the
// caller drops it (the run succeeded) or puts it back (the rollback). Temporaries
// and kept originals are named ".~setup-<process>-<number>": the installer's
// destinations are upper case, so no product file can be named so. Nothing is ever
// removed for its name alone: the caller's journal says which of them are its own.
class CInstallFolder {
public:
    CInstallFolder() = default;
    ~CInstallFolder();
    CInstallFolder(const CInstallFolder&) = delete;
    CInstallFolder& operator=(const CInstallFolder&) = delete;

    // Opens the folder `hostPath`; false when it is no folder, or when its last level
    // is a link (a trailing separator does not make it followed).
    bool Open(const std::string& hostPath);
    bool IsOpen() const { return m_hFolder != kNoHandle; }

    // Takes the exclusive lock of the folder, held until this object goes; false at
    // once when another run (of any process) holds it. On Win32 the lock is a range
    // lock of a file the run keeps in the folder and removes when it lets go; List
    // never names that file.
    bool TryLock();

    // Writes the regular file `sourceHost` to `relative`. Refused before anything is
    // opened for writing when the source or an existing destination is not a regular
    // file, when they are the same file, or when a level is a link. `beforePlacing`
    // hears of the temporary before it is filled; `placement` then says how to undo
    // the placement, whatever point it reaches. The destination is never touched by a copy that
    // fails, so the result is kCopied, kNotWritten or kNoSource (nothing of that name to copy).
    // `bListedAsAbsent`: the caller's listing of the folder has no such name, so no
    // original is looked for and the file is created under its own name; should one
    // have appeared since, the file is not written.
    FileCopyResult PlaceFile(const std::string& sourceHost, const std::string& relative,
                             const CChunkCallback& afterChunk, bool bListedAsAbsent,
                             const CBeforePlacing& beforePlacing, CPlacement& placement);

    // Writes `contents` as the file `relative` the same way.
    FileCopyResult PlaceContents(const std::string& relative, std::string_view contents,
                                 const CBeforePlacing& beforePlacing, CPlacement& placement);
    // True when `relative` is the very file the placement put there.
    bool IsInPlace(const std::string& relative, const CPlacement& placement) const;

    // Undoes the placement of `relative` as far as it got: a temporary that never took
    // the name goes, an original kept aside comes back, and a new file in place goes
    // when `bRemoveNew` (else it stays). Only files with the placement's identity, or
    // the originals its swap set aside, are touched.
    UndoResult UndoPlacement(const std::string& relative, const CPlacement& placement,
                             bool bRemoveNew);
    // The run has succeeded: removes the original the placement kept aside, if any.
    bool DropOriginal(const std::string& relative, const CPlacement& placement);

    // Removes the file `relative` (a link there goes, not what it points to).
    bool RemoveFile(const std::string& relative);
    // Writes `contents` as the file `relative` in one step: a temporary, synced, then
    // renamed over whatever had that name. Readers see the old file or the new one.
    bool WriteWhole(const std::string& relative, std::string_view contents);
    // The contents of the regular file `relative` when it holds at most `limit` bytes.
    bool ReadWhole(const std::string& relative, std::size_t limit, std::string& contents) const;
    // The size and SHA-256 digest (hexadecimal) of the regular file `relative`; false
    // when there is none (a link there is not followed).
    bool DigestFile(const std::string& relative, std::uint64_t& size, std::string& digest) const;
    // Removes the empty folder `relative`.
    bool RemoveFolder(const std::string& relative);
    // Removes this folder itself when it is empty and still has the name it was opened
    // by, then up to `levels` - 1 of the folders above it, deepest first, each only
    // while empty and still the parent it was; the handle stays open. On Win32 a folder
    // goes only once no handle holds it: the handle is closed, and the lock ends.
    bool RemoveItself(int levels = 1);
    // The names in the folder `relative` ("" is this one), without "." and "..".
    std::vector<std::string> List(const std::string& relative) const;

    // The journal: one file of this folder, appended to line by line. `bDurable`
    // makes the text reach the disk before the call returns.
    bool OpenJournal(const std::string& name);
    bool AppendJournal(std::string_view text, bool bDurable);
    void CloseJournal();

    // The system call that failed last, with the error it gave ("openat: Permission
    // denied"), for a log; empty when none did.
    const std::string& LastFailure() const { return m_strFailure; }

    // True for the names of temporaries and kept originals.
    static bool IsOwnName(std::string_view name);
    // True for a relative name whose every level may be opened below the folder.
    static bool IsSafeRelative(std::string_view relative);

private:
    // A handle of the folder `relativeFolder` below this one ("" is this one,
    // returned as it is: the caller closes only what differs from m_hFolder).
    CSystemHandle OpenLevel(const std::string& relativeFolder) const;
    // The level `relativeFolder` ("" is this one) as OpenLevel opens it, with the calls
    // the common code makes in it, closed when it goes; none when it cannot be opened.
    // The system's own (FolderLevel.h).
    std::unique_ptr<CFolderLevel> OpenFolderLevel(const std::string& relativeFolder) const;
    // Starts the placement of the file `relative`: `placement` emptied, and the level
    // the file is to be placed in opened as OpenLevel opens it; kNoHandle, the failure
    // noted, when the name is refused or the level cannot be opened.
    CSystemHandle StartPlacement(const std::string& relative, CPlacement& placement) const;
    // Notes that the level of a file to be placed could not be had, the name itself
    // refused when `bNameRefused`, in the system's words; false.
    bool FailPlacing(bool bNameRefused) const;
    // The part of a placement after the folder and the source were checked: the
    // existing file looked at (never the source itself: `sourceInode` 0 for none),
    // the temporary filled, then put in place.
    FileCopyResult Place(CSystemHandle folder, const std::string& name, unsigned mode,
                         bool bListedAsAbsent, std::uint64_t sourceDevice,
                         std::uint64_t sourceInode, const std::function<bool(CSystemHandle)>& fill,
                         const CBeforePlacing& beforePlacing, CPlacement& placement);
    std::string NewTemporaryName();
    bool Fail(const char* call) const;

    CSystemHandle m_hFolder = kNoHandle;
    CSystemHandle m_hJournal = kNoHandle;
    // Win32: the file whose range lock is the folder's.
    [[maybe_unused]] CSystemHandle m_hLock = kNoHandle;
    std::string m_strPath;  // the path it was opened by, without trailing separators
    long m_nProcess = 0;
    unsigned m_nSerial = 0;
    mutable std::string m_strFailure;
};

// For tests: opens every level one at a time, as on kernels without openat2.
void TakeLevelWalk(bool bWalk);

}  // namespace platform
