#include "setup/engine/RecordInstallation.h"

#include <utility>

#include "platform/AsciiCase.h"
#include "platform/ProgramPath.h"
#include "platform/WindowsPath.h"
#include "setup/config/SetupIni.h"
#include "setup/engine/RunObserver.h"
#include "setup/engine/UninstallRecord.h"

namespace setup {

namespace {

class CLauncherRecorder : public CRunObserver {
public:
    CLauncherRecorder(CInstallJournal& journal, CRunObserver& next)
        : m_journal(journal), m_next(next) {}

    void FileCopied(const std::string& destination) override { m_next.FileCopied(destination); }
    void FileRemoved(const std::string& path) override { m_next.FileRemoved(path); }
    void LauncherWritten(const std::string& hostPath) override {
        if (!hostPath.empty()) {
            m_journal.LauncherWritten(hostPath);
        }
        m_next.LauncherWritten(hostPath);
    }
    void ProgramStarted(const std::string& commandLine) override {
        m_next.ProgramStarted(commandLine);
    }

private:
    CInstallJournal& m_journal;
    CRunObserver& m_next;
};

// A created folder relative to the install folder ("." for the folder itself);
// empty for one above it, which the uninstall leaves alone.
std::string BelowInstallFolder(const std::string& created, const std::string& chosen,
                               const std::string& canonical) {
    for (const std::string& folder : {chosen, canonical}) {
        if (platform::EqualsIgnoringAsciiCase(created, folder)) {
            return ".";
        }
        if (created.size() > folder.size() + 1 && created[folder.size()] == '\\' &&
            platform::EqualsIgnoringAsciiCase(created.substr(0, folder.size()), folder)) {
            std::string relative = created.substr(folder.size() + 1);
            for (char& c : relative) {
                c = c == '\\' ? '/' : c;
            }
            return relative;
        }
    }
    return {};
}

bool DigestLauncher(const std::string& hostPath, CUninstallRecord::CItem& item) {
    const std::size_t slash = hostPath.rfind('/');
    platform::CInstallFolder folder;
    item = CUninstallRecord::CItem{CUninstallRecord::Kind::Launcher, 0, {}, hostPath};
    return slash != std::string::npos && folder.Open(hostPath.substr(0, slash + 1)) &&
           folder.DigestFile(hostPath.substr(slash + 1), item.m_nSize, item.m_strDigest);
}

}  // namespace

void RecordLaunchers(CInstallJournal& journal, const std::function<void()>& actions) {
    CRunObserver& previous = RunObserver();
    CLauncherRecorder recorder(journal, previous);
    SetRunObserver(&recorder);
    actions();
    SetRunObserver(&previous);
}

bool KeepUninstallRecord(platform::CInstallFolder& folder, const CInstallJournal& journal,
                         const std::string& chosen, const std::string& canonical) {
    CUninstallRecord record;
    record.m_strCaption = ReadIniString("Setup", "Caption");
    record.m_strFolder = canonical;
    for (const CInstallJournal::CEntry& entry : journal.Entries()) {
        CUninstallRecord::CItem item{CUninstallRecord::Kind::File, 0, {}, entry.m_strPath};
        switch (entry.m_kind) {
            case CInstallJournal::Kind::FolderCreated:
                if (const std::string below =
                        BelowInstallFolder(entry.m_strPath, chosen, canonical);
                    !below.empty()) {
                    record.m_created.push_back(below);
                }
                break;
            case CInstallJournal::Kind::FileWritten:
                // A file that cannot be read back now is left out: the uninstall
                // keeps what it cannot vouch for.
                if (folder.DigestFile(entry.m_strPath, item.m_nSize, item.m_strDigest)) {
                    record.m_items.push_back(item);
                }
                break;
            case CInstallJournal::Kind::LauncherWritten:
                if (DigestLauncher(entry.m_strPath, item)) {
                    record.m_items.push_back(item);
                }
                break;
        }
    }
    // Without a copy of the installer the record still serves an uninstall started
    // from the media. Its SETUP.INI goes with it: the progress window takes its title
    // from there.
    const std::pair<std::string, const char*> copies[] = {
        {platform::ProgramPath(), CUninstallRecord::kProgramName},
        {platform::ToHostPath(GetSetupDirectory() + "SETUP.INI"), CUninstallRecord::kIniName}};
    for (const auto& [source, name] : copies) {
        std::string kept;
        CUninstallRecord::CItem copy{CUninstallRecord::Kind::Program, 0, {}, name};
        if (source.empty() || folder.PlaceFile(source, name, kept, [](std::uint64_t) {}) !=
                                  platform::FileCopyResult::kCopied) {
            continue;
        }
        if (!kept.empty()) {
            folder.DropKept(name, kept);
        }
        if (folder.DigestFile(name, copy.m_nSize, copy.m_strDigest)) {
            record.m_items.push_back(copy);
        }
    }
    return folder.WriteWhole(CUninstallRecord::kRecordName, record.Format());
}

}  // namespace setup
