#pragma once

#include <string>
#include <vector>

#include "platform/InstallFolder.h"

namespace setup {

// The one record of what an installation run did, in the order it did it: the
// rollback walks it backwards, and a completed run hands it to whoever keeps it for
// an uninstall. Entries are plain values (a kind and a few strings), so that they
// can be written out and read back as they are.
class CInstallJournal {
public:
    enum class Kind {
        FileWritten,     // m_strPath below the install folder; m_strKept the original aside
        FolderCreated,   // m_strPath the folder's full path (Windows form)
        LauncherWritten  // m_strPath the launcher's full path (host form)
    };

    struct CEntry {
        Kind m_kind;
        // For a file: its destination relative to the install folder, levels joined
        // by '/', exactly as written on disk.
        std::string m_strPath;
        // For a file that replaced one: the name, in the same folder, under which the
        // original is kept until the run has succeeded; empty for a new file and once
        // the original has been dropped.
        std::string m_strKept;
        // For a file: its full path as the user is shown it (Windows form).
        std::string m_strShown;
    };

    void FileWritten(const std::string& relative, const std::string& kept,
                     const std::string& shown);
    void FolderCreated(const std::string& path);
    void LauncherWritten(const std::string& path);

    const std::vector<CEntry>& Entries() const { return m_entries; }
    void Clear() { m_entries.clear(); }

    // The run has succeeded: removes the originals kept aside in `folder`.
    void Complete(platform::CInstallFolder& folder);

private:
    std::vector<CEntry> m_entries;
};

}  // namespace setup
