#include "setup/engine/RemoveCopiedFiles.h"

#include "platform/Format.h"
#include "setup/config/StringTable.h"
#include "setup/engine/RunObserver.h"

namespace setup {

bool RemoveCopiedFiles(CInstallerWindows& windows, const CInstallJournal& journal,
                       platform::CInstallFolder& folder) {
    using Kind = CInstallJournal::Kind;
    const std::vector<CInstallJournal::CEntry>& entries = journal.Entries();
    std::vector<bool> remove(entries.size(), false);
    std::size_t offered = 0;
    std::size_t attempted = 0;
    bool yesToAll = false;
    for (std::size_t i = 0; i < entries.size(); ++i) {
        if (entries[i].m_kind != Kind::FileWritten || !entries[i].m_strKept.empty()) {
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
    // Backwards, so that each step finds the folder as it left it. A failure goes
    // unnoticed: the file stays, and so does the folder that holds it.
    for (std::size_t i = entries.size(); i-- > 0;) {
        const CInstallJournal::CEntry& entry = entries[i];
        if (entry.m_kind != Kind::FileWritten) {
            continue;
        }
        if (!entry.m_strKept.empty()) {
            folder.PutBack(entry.m_strPath, entry.m_strKept);
        } else if (remove[i] && folder.RemoveFile(entry.m_strPath)) {
            RunObserver().FileRemoved(entry.m_strShown);
        }
    }
    return attempted == offered;
}

}  // namespace setup
