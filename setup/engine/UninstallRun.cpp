#include "setup/engine/UninstallRun.h"

#include <algorithm>

#include "platform/FileIdentity.h"
#include "platform/Format.h"
#include "platform/HostPath.h"
#include "platform/ProgramPath.h"
#include "platform/InstallFolder.h"
#include "platform/Shortcut.h"
#include "platform/UserInterface.h"
#include "platform/WindowsPath.h"
#include "setup/config/StringTable.h"
#include "setup/engine/InstallJournal.h"
#include "setup/engine/RecoverDeadRun.h"
#include "setup/engine/RunObserver.h"
#include "setup/engine/UninstallRecord.h"

namespace setup {

namespace {

using platform::MessageButtons;
using platform::MessageIcon;
using Item = CUninstallRecord::CItem;

void Show(const std::string& text, MessageIcon icon) {
    platform::UserInterface().MessageBox(text, icon, MessageButtons::Ok);
}

// A path below the folder in the form the user is shown.
std::string Shown(const std::string& folderShown, const std::string& relative) {
    std::string path = folderShown + "\\" + relative;
    std::replace(path.begin(), path.end(), '/', '\\');
    return path;
}

// A launcher lies in the programs menu or on the desktop, as the installation writes
// them, and has a launcher's name: a record that names anything else elsewhere is not
// trusted with it.
bool IsLauncherPlace(const std::string& folder, const std::string& name) {
    return platform::IsLauncherFileName(name) && platform::IsLauncherFolder(folder);
}

// One removal of the record's list, in the folder it belongs to.
class CRemoval {
public:
    CRemoval(platform::CInstallFolder& folder, bool bRemoveChanged, const std::string& folderShown)
        : m_folder(folder), m_bRemoveChanged(bRemoveChanged), m_strFolderShown(folderShown) {}

    // Removes the item when it is as recorded (or changed and changes go too); a
    // changed one is named in m_kept, one that cannot go in m_failed.
    void Remove(const Item& item) {
        platform::CInstallFolder launcherFolder;
        platform::CInstallFolder* folder = &m_folder;
        std::string name = item.m_strPath;
        std::string shown = Shown(m_strFolderShown, item.m_strPath);
        if (item.m_kind == CUninstallRecord::Kind::Launcher) {
            const std::size_t slash = item.m_strPath.rfind('/');
            shown = platform::ShownHostPath(item.m_strPath);
            if (!IsLauncherPlace(item.m_strPath.substr(0, slash),
                                 item.m_strPath.substr(slash + 1))) {
                m_kept.push_back(shown);
                RunObserver().FileNotRemoved(shown, NotRemoved::NotALauncher, {});
                return;
            }
            if (!launcherFolder.Open(item.m_strPath.substr(0, slash + 1))) {
                // Its folder is gone, and with it the launcher.
                RunObserver().FileNotRemoved(shown, NotRemoved::AlreadyGone, {});
                return;
            }
            folder = &launcherFolder;
            name = item.m_strPath.substr(slash + 1);
        }
        std::uint64_t size = 0;
        std::string digest;
        if (!folder->DigestFile(name, size, digest)) {
            // Gone already, or no regular file any more: then it is no file of ours
            // and stays, named with what is left in the folder.
            RunObserver().FileNotRemoved(shown, NotRemoved::AlreadyGone, {});
            return;
        }
        if ((size != item.m_nSize || digest != item.m_strDigest) && !m_bRemoveChanged) {
            m_kept.push_back(shown);
            RunObserver().FileNotRemoved(shown, NotRemoved::Changed, {});
            return;
        }
        if (folder->RemoveFile(name)) {
            RunObserver().FileRemoved(shown);
        } else {
            m_failed.push_back(shown);
            RunObserver().FileNotRemoved(shown, NotRemoved::Failed, folder->LastFailure());
        }
    }

    std::vector<std::string> m_kept;
    std::vector<std::string> m_failed;

private:
    platform::CInstallFolder& m_folder;
    bool m_bRemoveChanged;
    std::string m_strFolderShown;
};

// Everything the folder still holds beyond the changed files already named.
void NameTheRest(platform::CInstallFolder& folder, const std::string& folderShown,
                 std::vector<std::string>& kept) {
    for (const std::string& name : folder.List("")) {
        const std::string shown = Shown(folderShown, name);
        if (std::find(kept.begin(), kept.end(), shown) == kept.end()) {
            kept.push_back(shown);
        }
    }
}

std::string Joined(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines) {
        text += "\n" + line;
    }
    return text;
}

}  // namespace

UninstallOutcome RunUninstall(CInstallerWindows& windows, const std::string& hostFolder,
                              bool bRemoveChanged) {
    std::string folderShown = platform::ToWindowsPath(hostFolder);
    if (folderShown.empty()) {
        folderShown = hostFolder;
    }
    while (folderShown.size() > 3 && folderShown.back() == '\\') {
        folderShown.pop_back();
    }
    platform::CInstallFolder folder;
    // No folder, or neither a record nor the journal of a run that died: nothing to
    // remove, as after an uninstall that is done.
    const auto names = folder.Open(hostFolder) ? folder.List("") : std::vector<std::string>();
    const auto holds = [&names](const char* name) {
        return std::ranges::find(names, name) != names.end();
    };
    const auto nothing = [&folderShown] {
        Show(platform::FormatString(LoadSetupString(IDS_UNINSTALL_NOTHING), {folderShown}),
             MessageIcon::Information);
        return UninstallOutcome::NothingInstalled;
    };
    if (!holds(CUninstallRecord::kRecordName) && !holds(CInstallJournal::kFileName)) {
        return nothing();
    }
    if (!folder.TryLock()) {
        Show(platform::FormatString(LoadSetupString(IDS_INSTALLATION_RUNNING), {folderShown}),
             MessageIcon::Exclamation);
        return UninstallOutcome::Locked;
    }
    if (RecoverDeadRun(folder, folderShown) < 0) {
        return UninstallOutcome::Failed;
    }
    const std::vector<std::string> left = folder.List("");
    if (std::ranges::find(left, CUninstallRecord::kRecordName) == left.end()) {
        return nothing();
    }
    CUninstallRecord record;
    int badLine = 1;
    std::string text;
    if (!folder.ReadWhole(CUninstallRecord::kRecordName, CUninstallRecord::kMaxSize, text) ||
        !record.Parse(text, badLine)) {
        Show(platform::FormatString(LoadSetupString(IDS_UNINSTALL_DAMAGED),
                                    {Shown(folderShown, CUninstallRecord::kRecordName), badLine}),
             MessageIcon::Exclamation);
        return UninstallOutcome::Damaged;
    }
    platform::SetDisplayName(record.m_strCaption);
    if (platform::UserInterface().MessageBox(
            platform::FormatString(LoadSetupString(IDS_UNINSTALL_QUESTION),
                                   {record.m_strCaption, folderShown}),
            MessageIcon::Question, MessageButtons::YesNo) != platform::MessageResult::Yes) {
        return UninstallOutcome::Declined;
    }
    CRemoval removal(folder, bRemoveChanged, folderShown);
    platform::CStringArray removedFiles;
    const int status = windows.RunProgress(
        folderShown, removedFiles, [&record, &removal, &folderShown](CCopyProgress& progress) {
            // In bytes, as the copy counts: the bar and the progress line mean the same.
            std::uint64_t total = 0;
            for (const Item& item : record.m_items) {
                total += item.m_nSize;
            }
            std::uint64_t done = 0;
            // Newest first, as the rollback goes; the copied installer is left for last.
            for (auto item = record.m_items.rbegin(); item != record.m_items.rend(); ++item) {
                platform::UserInterface().PumpEvents();
                if (progress.Status() != kStatusCompleted) {
                    break;
                }
                if (item->m_kind != CUninstallRecord::Kind::Program) {
                    progress.SetStatusText(
                        platform::FormatString(LoadSetupString(IDS_UNINSTALL_REMOVING),
                                               {item->m_kind == CUninstallRecord::Kind::Launcher
                                                    ? platform::ShownHostPath(item->m_strPath)
                                                    : Shown(folderShown, item->m_strPath)}));
                    removal.Remove(*item);
                }
                done += item->m_nSize;
                progress.SetProgress(done, total);
            }
            progress.EndProgress();
        });
    bool complete = status == kStatusCompleted && removal.m_failed.empty();
    if (complete) {
        // The installed copy that runs this uninstall goes last: where the system keeps
        // a running program's file, it is moved out of the folder instead, once the
        // rest is gone.
        const bool runsFromFolder = platform::SameFileOrDirectory(
            platform::ProgramPath(), hostFolder + "/" + CUninstallRecord::kProgramName);
        const Item* running = nullptr;
        for (const Item& item : record.m_items) {
            if (item.m_kind != CUninstallRecord::Kind::Program) {
                continue;
            }
            if (runsFromFolder && item.m_strPath == CUninstallRecord::kProgramName) {
                running = &item;
            } else {
                removal.Remove(item);
            }
        }
        if (running != nullptr && removal.m_failed.empty() && platform::MoveProgramFileAside()) {
            RunObserver().FileRemoved(Shown(folderShown, running->m_strPath));
        } else if (running != nullptr) {
            removal.Remove(*running);
        }
        // An own file that stays keeps the record too: without it nothing would ever
        // remove that file, and the uninstall can be run again.
        complete = removal.m_failed.empty();
    }
    if (complete) {
        // Deepest first; a folder that still holds something stays.
        for (auto created = record.m_created.rbegin(); created != record.m_created.rend();
             ++created) {
            if (*created != ".") {
                folder.RemoveFolder(*created);
            }
        }
        folder.RemoveFile(CUninstallRecord::kRecordName);
    }
    if (status == kStatusCancelled) {
        Show(platform::FormatString(LoadSetupString(IDS_UNINSTALL_CANCELLED),
                                    {record.m_strCaption, folderShown}),
             MessageIcon::Information);
        return UninstallOutcome::Cancelled;
    }
    if (!complete) {
        Show(platform::FormatString(LoadSetupString(IDS_UNINSTALL_INCOMPLETE),
                                    {record.m_strCaption, folderShown}) +
                 Joined(removal.m_failed),
             MessageIcon::Exclamation);
        return UninstallOutcome::Failed;
    }
    std::vector<std::string> kept = removal.m_kept;
    NameTheRest(folder, folderShown, kept);
    if (kept.empty() && std::ranges::count(record.m_created, std::string(".")) > 0) {
        folder.RemoveItself();
    }
    std::string message = platform::FormatString(LoadSetupString(IDS_UNINSTALL_DONE),
                                                 {record.m_strCaption, folderShown});
    if (!kept.empty()) {
        message += "\n\n" + std::string(LoadSetupString(IDS_UNINSTALL_KEPT)) + Joined(kept);
    }
    Show(message, MessageIcon::Information);
    return UninstallOutcome::Removed;
}

}  // namespace setup
