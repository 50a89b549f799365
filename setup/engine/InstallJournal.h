#pragma once

#include <string>
#include <vector>

#include "platform/InstallFolder.h"

namespace setup {

// The one record of what an installation run did, in the order it did it, written
// ahead: each step's entry reaches the journal file in the install folder before the
// step changes the disk (synced first where a user's file is at stake), so a run that
// dies at any instant leaves the means to undo it. The rollback walks the entries
// backwards, the recovery after a crash walks the file, and a completed run builds
// its uninstall record from them; the copied-files list is a view of them.
//
// The file is text, one entry a line, its fields separated by tabs, the path last:
//   setup-journal<TAB>1
//   created<TAB>LEVELS                 (the install folder and LEVELS - 1 above it)
//   file<TAB>DEVICE<TAB>INODE<TAB>TEMPORARY<TAB>RELATIVE/PATH
//   program<TAB>DEVICE<TAB>INODE<TAB>TEMPORARY<TAB>setup
//   record<TAB>DEVICE<TAB>INODE<TAB>TEMPORARY<TAB>uninstall.dat    (the run is complete)
class CInstallJournal {
public:
    enum class Kind {
        FolderCreated,    // m_nLevels levels, the install folder the deepest
        FileWritten,      // a product file
        ProgramWritten,   // the installer's own copy, or its SETUP.INI
        RecordWritten,    // the uninstall record: the run is complete once it is in place
        LauncherWritten,  // m_strPath the launcher's host path; after completion only
    };

    struct CEntry {
        Kind m_kind;
        // Relative to the install folder, levels joined by '/', exactly as on disk; a
        // launcher's host path.
        std::string m_strPath;
        platform::CPlacement m_placement;
        // For a file: its full path as the user is shown it (Windows form).
        std::string m_strShown;
        int m_nLevels = 0;
    };

    // The journal's name in the install folder: one of the installer's own names,
    // which no destination can take.
    static constexpr const char* kFileName = ".~setup-journal";

    // Starts the journal file in `folder`; false when it cannot be written, and then
    // every step is refused, since none could be undone after a crash.
    bool Begin(platform::CInstallFolder& folder);
    bool FoldersCreated(int levels);
    // The hook of a placement: its entry goes to the file before the file takes its
    // name. `kind` is FileWritten, ProgramWritten or RecordWritten.
    platform::CBeforePlacing BeforePlacing(Kind kind, const std::string& relative);
    // A placement that succeeded, in memory.
    void Placed(Kind kind, const std::string& relative, const platform::CPlacement& placement,
                const std::string& shown);
    void LauncherWritten(const std::string& hostPath);

    const std::vector<CEntry>& Entries() const { return m_entries; }
    int CreatedLevels() const;
    void Clear() { m_entries.clear(); }

    // The run is complete: the originals kept aside go, and so does the journal file.
    void Complete();
    // The rollback is done: the journal file goes.
    void End();

    // The entries of a journal file's text, up to its first damaged line (the last one
    // of a run that died while writing it). Every name is checked before it is kept.
    static std::vector<CEntry> Parse(const std::string& text);

private:
    platform::CInstallFolder* m_pFolder = nullptr;
    std::vector<CEntry> m_entries;
};

}  // namespace setup
