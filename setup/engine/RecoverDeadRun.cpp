#include "setup/engine/RecoverDeadRun.h"

#include <algorithm>
#include <vector>

#include "platform/Format.h"
#include "platform/UserInterface.h"
#include "setup/config/StringTable.h"
#include "setup/engine/InstallJournal.h"

namespace setup {

namespace {

// A journal is as long as the product's file list; far beyond any real one.
constexpr std::size_t kMaxJournal = 256 << 20;

}  // namespace

int RecoverDeadRun(platform::CInstallFolder& folder, const std::string& folderShown) {
    using Kind = CInstallJournal::Kind;
    std::string text;
    const std::vector<std::string> names = folder.List("");
    if (std::ranges::find(names, CInstallJournal::kFileName) == names.end() ||
        !folder.ReadWhole(CInstallJournal::kFileName, kMaxJournal, text)) {
        return 0;
    }
    const std::vector<CInstallJournal::CEntry> entries = CInstallJournal::Parse(text);
    const bool complete = std::ranges::any_of(entries, [&folder](const auto& entry) {
        return entry.m_kind == Kind::RecordWritten &&
               folder.IsInPlace(entry.m_strPath, entry.m_placement);
    });
    int levels = 0;
    bool undone = false;
    bool refused = false;
    for (auto entry = entries.rbegin(); entry != entries.rend(); ++entry) {
        levels = std::max(levels, entry->m_nLevels);
        if (entry->m_kind == Kind::FolderCreated) {
            continue;
        }
        if (complete) {
            folder.DropOriginal(entry->m_strPath, entry->m_placement);
            continue;
        }
        const platform::UndoResult result =
            folder.UndoPlacement(entry->m_strPath, entry->m_placement, true);
        undone = undone || result == platform::UndoResult::kRestored ||
                 result == platform::UndoResult::kRemoved;
        refused = refused || result == platform::UndoResult::kFailed;
    }
    // A journal with a step the folder would not undo stays, for a later try: the
    // original it names must not be lost with it.
    if (refused) {
        platform::UserInterface().MessageBox(
            platform::FormatString(LoadSetupString(IDS_RECOVERY_FAILED), {folderShown}),
            platform::MessageIcon::Exclamation, platform::MessageButtons::Ok);
        return -1;
    }
    folder.RemoveFile(CInstallJournal::kFileName);
    if (undone) {
        platform::UserInterface().MessageBox(
            platform::FormatString(LoadSetupString(IDS_RECOVERED), {folderShown}),
            platform::MessageIcon::Information, platform::MessageButtons::Ok);
    }
    return levels;
}

}  // namespace setup
