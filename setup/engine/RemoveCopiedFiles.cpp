#include "setup/engine/RemoveCopiedFiles.h"

#include "platform/Format.h"
#include "setup/config/StringTable.h"
#include "setup/engine/RunObserver.h"

namespace setup {

bool RemoveCopiedFiles(CInstallerWindows& windows, const CInstallJournal& journal,
                       platform::CInstallFolder& folder, bool* pAllUndone) {
    using Kind = CInstallJournal::Kind;
    const std::vector<CInstallJournal::CEntry>& entries = journal.Entries();
    std::vector<bool> remove(entries.size(), false);
    std::size_t offered = 0;
    std::size_t attempted = 0;
    bool yesToAll = false;
    // Only a product file that replaced nothing is the user's to keep or not; a
    // replaced one gets its original back, the installer's own files simply go.
    for (std::size_t i = 0; i < entries.size(); ++i) {
        if (entries[i].m_kind != Kind::FileWritten || entries[i].m_placement.m_bReplaces) {
            remove[i] = entries[i].m_kind != Kind::FileWritten;
            continue;
        }
        ++offered;
        if (!yesToAll) {
            const int answer = windows.AskQuestion(
                platform::FormatString(LoadSetupString(IDS_REMOVE_FILE), {entries[i].m_strShown}));
            if (answer == kAnswerYesToAll) {
                yesToAll = true;
            } else if (answer != kAnswerYes) {
                continue;  // No, or the question was dismissed: the file stays
            }
        }
        remove[i] = true;
        ++attempted;
    }
    // Backwards, so that each step finds the folder as it left it: a file written
    // twice gets the first copy back, then that one's original.
    bool undone = true;
    for (std::size_t i = entries.size(); i-- > 0;) {
        const CInstallJournal::CEntry& entry = entries[i];
        if (entry.m_kind == Kind::FolderCreated || entry.m_kind == Kind::LauncherWritten) {
            continue;
        }
        const platform::UndoResult result =
            folder.UndoPlacement(entry.m_strPath, entry.m_placement, remove[i]);
        if (result == platform::UndoResult::kRemoved && entry.m_kind == Kind::FileWritten) {
            RunObserver().FileRemoved(entry.m_strShown);
        }
        undone = undone && result != platform::UndoResult::kFailed;
    }
    if (pAllUndone != nullptr) {
        *pAllUndone = undone;
    }
    return attempted == offered;
}

}  // namespace setup
