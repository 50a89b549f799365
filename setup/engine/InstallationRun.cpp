#include "setup/engine/InstallationRun.h"

#include <algorithm>

#include "platform/CurrentDirectory.h"
#include "platform/Format.h"
#include "platform/FullPath.h"
#include "platform/InstallFolder.h"
#include "platform/UserInterface.h"
#include "platform/WindowsPath.h"
#include "setup/config/CountText.h"
#include "setup/config/DirectoryHelpers.h"
#include "setup/config/SetupIni.h"
#include "setup/config/StringTable.h"
#include "setup/engine/CopyFiles.h"
#include "setup/engine/RecordInstallation.h"
#include "setup/engine/RecoverDeadRun.h"
#include "setup/engine/RemoveCopiedFiles.h"

namespace setup {

namespace {

using platform::MessageButtons;
using platform::MessageIcon;

void ShowError(const std::string& text) {
    platform::UserInterface().MessageBox(text, MessageIcon::Exclamation, MessageButtons::Ok);
}

void ShowInformation(const std::string& text) {
    platform::UserInterface().MessageBox(text, MessageIcon::Information, MessageButtons::Ok);
}

bool AskYesNo(const std::string& text) {
    return platform::UserInterface().MessageBox(
               text, MessageIcon::Question, MessageButtons::YesNo) == platform::MessageResult::Yes;
}

// False (after the message) when the drive has less room than SETUP.INI asks for.
bool CheckDiskSpace(const std::string& chosenPath) {
    // A size as text, by the rule of counts: a huge value stays huge rather than wrap
    // round into a small one.
    const int required = CountFromText(ReadIniString("Setup", "RequiredDiskSpace"));
    if (required == 0) {
        ShowError(LoadSetupString(IDS_NO_DISK_SPACE_VALUE));
        return true;
    }
    // The folders of a drive letter may lie on several file systems here; the one
    // that will receive the files is the one of the path's deepest existing level.
    const float available = GetFreeDiskSpaceAt(chosenPath);
    if (static_cast<float>(required) > available) {
        ShowError(
            platform::FormatString(LoadSetupString(IDS_NOT_ENOUGH_ROOM), {chosenPath.front()}));
        return false;
    }
    return true;
}

// The form of the directory the system reports while it is current, found by
// entering it; false (after the message) when it cannot be entered or reported.
// The directory that was current before is current again only after a success.
bool FindCanonicalDirectory(const std::string& chosenPath, std::string& canonical) {
    const std::string previous = GetCurrentDir();
    if (!platform::ChangeCurrentDirectory(chosenPath) ||
        !platform::ResolveFullPath(".", canonical)) {
        ShowError(LoadSetupString(IDS_CANNOT_ENTER_DIRECTORY));
        return false;
    }
    platform::ChangeCurrentDirectory(previous);
    return true;
}

void RollBack(CInstallerWindows& windows, CInstallJournal& journal,
              platform::CInstallFolder& folder, const std::string& canonical) {
    windows.BeginRollback();
    ShowInformation(LoadSetupString(IDS_REMOVING_FILES));
    bool undone = true;
    const bool allRemoved = RemoveCopiedFiles(windows, journal, folder, &undone);
    // An original the folder would not take back is still named by the journal file,
    // for the next run to put back; else the journal has nothing left to explain.
    if (undone) {
        journal.End();
    }
    const std::string question =
        platform::FormatString(LoadSetupString(IDS_REMOVE_DIRECTORY), {canonical});
    // A directory that existed before is offered too; only an empty one can go,
    // deepest first, through the folder's descriptor rather than its path.
    if (allRemoved && AskYesNo(question)) {
        // As the removal of a created tree always has: the root of the current drive
        // is current afterwards, so that no removed level stays current.
        platform::ChangeCurrentDirectory("\\");
        folder.RemoveItself(std::max(1, journal.CreatedLevels()));
    }
}

// The steps after the copy that make the installation complete: the installer's own
// copy, then the record that lists everything.
bool Complete(platform::CInstallFolder& folder, CInstallJournal& journal,
              const CUninstallRecord& previous, const std::string& canonical,
              CUninstallRecord& record) {
    return KeepInstaller(folder, journal, canonical) &&
           PlaceUninstallRecord(folder, journal, previous, canonical, record);
}

}  // namespace

InstallOutcome RunInstallation(CInstallerWindows& windows, std::string& installDirectory,
                               const CPostCopyActions& postCopy) {
    std::string chosenPath;
    if (!windows.ChooseDirectory(chosenPath) || chosenPath.empty()) {
        return InstallOutcome::NoDirectory;
    }
    installDirectory = chosenPath.back() == '\\' ? chosenPath : chosenPath + '\\';
    if (!CheckDiskSpace(chosenPath)) {
        return InstallOutcome::NotEnoughSpace;
    }
    platform::CStringArray createdDirectories;
    if (!CreateDirectoryTree(chosenPath, createdDirectories)) {
        ShowError(
            platform::FormatString(LoadSetupString(IDS_CANNOT_CREATE_DIRECTORY), {chosenPath}));
    }
    std::string canonical;
    if (!FindCanonicalDirectory(chosenPath, canonical)) {
        return InstallOutcome::Failed;
    }
    // Every file of the run is written through this descriptor, never by its path.
    platform::CInstallFolder folder;
    if (!folder.Open(platform::ToHostPathAsNamed(canonical))) {
        ShowError(LoadSetupString(IDS_CANNOT_ENTER_DIRECTORY));
        return InstallOutcome::Failed;
    }
    if (!folder.TryLock()) {
        ShowError(platform::FormatString(LoadSetupString(IDS_INSTALLATION_RUNNING), {canonical}));
        return InstallOutcome::Locked;
    }
    const int deadLevels = RecoverDeadRun(folder, canonical);
    if (deadLevels < 0) {
        return InstallOutcome::Failed;
    }
    CUninstallRecord previous;
    const bool hasPrevious = ReadUninstallRecord(folder, previous);
    if (std::string clash; !OwnNamesAreFree(folder, hasPrevious, previous, clash)) {
        ShowError(platform::FormatString(LoadSetupString(IDS_NOT_OWN_FILE), {canonical, clash}));
        return InstallOutcome::Failed;
    }
    // A journal that cannot be started refuses every file, and the copy then fails
    // at the first one as any copy that cannot be written.
    CInstallJournal journal;
    const int levels =
        std::max({static_cast<int>(createdDirectories.size()), deadLevels,
                  hasPrevious && std::ranges::count(previous.m_created, ".") > 0 ? 1 : 0});
    if (journal.Begin(folder) && levels > 0) {
        journal.FoldersCreated(levels);
    }
    platform::CStringArray copiedFiles;
    int status = windows.RunProgress(
        canonical, copiedFiles,
        [&folder, &journal](CCopyProgress& progress) { CopyFiles(progress, folder, journal); });
    CUninstallRecord record;
    if (status == kStatusCompleted && !Complete(folder, journal, previous, canonical, record)) {
        status = kStatusFailed;
    }
    if (status == kStatusFailed) {
        ShowError(LoadSetupString(IDS_COPY_FAILED));
    } else if (status == kStatusCancelled) {
        ShowError(LoadSetupString(IDS_SETUP_CANCELLED));
    }
    if (status != kStatusCompleted) {
        RollBack(windows, journal, folder, canonical);
        return status == kStatusCancelled ? InstallOutcome::Cancelled : InstallOutcome::Failed;
    }
    journal.Complete();
    if (postCopy) {
        RecordLaunchers(folder, record, [&] { postCopy(installDirectory, canonical); });
    }
    return InstallOutcome::Installed;
}

}  // namespace setup
