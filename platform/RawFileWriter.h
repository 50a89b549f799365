#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "platform/SystemHandle.h"

namespace platform {

// Writes raw bytes to a new file, without any line-end translation. Every failure
// counts, including one that only shows when the buffered bytes reach the disk or
// when the file is closed; once a write failed, every later call reports failure.
class CRawFileWriter {
public:
    CRawFileWriter();
    ~CRawFileWriter();
    CRawFileWriter(const CRawFileWriter&) = delete;
    CRawFileWriter& operator=(const CRawFileWriter&) = delete;

    // Creates `path` anew, truncating an existing file, with the usual permissions
    // for a data file (read-write for all, less the process's umask).
    bool Create(const std::string& path);

    // Creates a new file beside `path` that is to take its place once written: named
    // after `path` with a random suffix, created exclusively (never an existing file,
    // never through a symbolic link, so two programs saving at once never share one),
    // with `path`'s permission bits and, where allowed, its group; without a `path`,
    // with the permissions Create gives. GetPath() names the file.
    bool CreateReplacement(const std::string& path);

    // The file last created; empty before.
    const std::string& GetPath() const { return m_strPath; }

    bool Write(std::string_view bytes);

    // Hands everything written so far to the disk and waits until it is stored, so
    // that a rename that follows can never expose a file with missing contents.
    bool Sync();

    // Writes what is buffered and closes the file; false when any write, the sync or
    // the close failed. Closing a writer that is not open succeeds.
    bool Close();

private:
    // Closes what is open and forgets an earlier failure, before a new file is made.
    void Restart();
    bool FlushBuffer();

    // The system's part (posix/ and win32/RawFileWriter.cpp): every byte of `bytes`
    // to `file`, the file's contents to the disk, and the close; each false when it
    // failed. The buffering and the failure that sticks are the same everywhere.
    static bool WriteToFile(CSystemHandle file, std::string_view bytes);
    static bool SyncFile(CSystemHandle file);
    static bool CloseFile(CSystemHandle file);

    std::string m_strPath;
    CSystemHandle m_hFile = kNoHandle;
    std::vector<char> m_buffer;
    bool m_bFailed = false;
};

}  // namespace platform
