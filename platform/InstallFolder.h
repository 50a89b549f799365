#pragma once

#include <cstdint>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "platform/FileCopy.h"

namespace platform {

// The folder an installation writes into, held open for the whole run. Every file
// operation is made relative to its descriptor: a level below it is opened anew for
// each operation and refused when it is a symbolic link at that moment, so a folder
// swapped for a link while the run goes on leads nowhere outside. Path strings are
// for messages only; the names given here are relative, with '/' between levels.
//
// A file is never rewritten in place. It is written to a new temporary file beside
// its destination and renamed over it when complete; when it replaces a file, it is
// synced first and the original is kept aside in the same folder until the caller
// drops it (the run succeeded) or puts it back (the rollback). Temporaries and kept
// originals are named ".~setup-<process>-<number>": the installer's destinations are
// upper case, so no product file can be named so. A run that was killed leaves them
// behind; the next run removes them from each folder it writes into.
class CInstallFolder {
public:
    CInstallFolder() = default;
    ~CInstallFolder();
    CInstallFolder(const CInstallFolder&) = delete;
    CInstallFolder& operator=(const CInstallFolder&) = delete;

    // Opens the folder `hostPath`; false when it is no folder (or a link to one).
    bool Open(const std::string& hostPath);
    bool IsOpen() const { return m_nFolder >= 0; }

    // Takes the exclusive lock of the folder, held until this object goes; false at
    // once when another run (of any process) holds it.
    bool TryLock();

    // Writes the regular file `sourceHost` to `relative`. Refused before anything is
    // opened for writing when the source or an existing destination is not a regular
    // file, when they are the same file, or when a level is a link. On success
    // `kept` names the original set aside (empty for a new file). The destination is
    // never touched by a copy that fails, so the result is kCopied, kNotWritten or
    // kNoSource (nothing of that name to copy). `bListedAsAbsent`: the caller's
    // listing of the folder has no such name, so no original is looked for; should
    // one have appeared since, the file is not written.
    FileCopyResult PlaceFile(const std::string& sourceHost, const std::string& relative,
                             std::string& kept, const CChunkCallback& afterChunk,
                             bool bListedAsAbsent = false);

    // Removes the file `relative` (a link there goes, not what it points to).
    bool RemoveFile(const std::string& relative);
    // Puts the original kept aside as `kept` back under the name `relative`.
    bool PutBack(const std::string& relative, const std::string& kept);
    // Removes the original kept aside as `kept` beside `relative`.
    bool DropKept(const std::string& relative, const std::string& kept);

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
    // Removes this folder itself when it is empty and still has the name it was
    // opened by; the descriptor stays open.
    bool RemoveItself();
    // The names in the folder `relative` ("" is this one), without "." and "..".
    std::vector<std::string> List(const std::string& relative) const;

    // True for the names of temporaries and kept originals.
    static bool IsOwnName(std::string_view name);

private:
    // A descriptor of the folder `relativeFolder` below this one ("" is this one,
    // returned as it is: the caller closes only what differs from m_nFolder).
    int OpenLevel(const std::string& relativeFolder) const;
    void RemoveLeftovers(const std::string& relativeFolder, int folder);
    std::string NewTemporaryName();

    int m_nFolder = -1;
    std::string m_strName;  // the last level of the path it was opened by
    long m_nProcess = 0;
    unsigned m_nSerial = 0;
    std::set<std::string> m_cleaned;  // folders already rid of leftovers in this run
};

}  // namespace platform
