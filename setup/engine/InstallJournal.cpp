#include "setup/engine/InstallJournal.h"

namespace setup {

void CInstallJournal::FileWritten(const std::string& relative, const std::string& kept,
                                  const std::string& shown) {
    m_entries.push_back(CEntry{Kind::FileWritten, relative, kept, shown});
}

void CInstallJournal::FolderCreated(const std::string& path) {
    m_entries.push_back(CEntry{Kind::FolderCreated, path, {}, {}});
}

void CInstallJournal::LauncherWritten(const std::string& path) {
    m_entries.push_back(CEntry{Kind::LauncherWritten, path, {}, {}});
}

void CInstallJournal::Complete(platform::CInstallFolder& folder) {
    for (CEntry& entry : m_entries) {
        if (entry.m_kind == Kind::FileWritten && !entry.m_strKept.empty()) {
            // A kept original that cannot go now is a leftover the next run removes.
            folder.DropKept(entry.m_strPath, entry.m_strKept);
            entry.m_strKept.clear();
        }
    }
}

}  // namespace setup
