#include "setup/engine/RecordInstallation.h"

#include <algorithm>
#include <utility>

#include "platform/AsciiCase.h"
#include "platform/HostPath.h"
#include "platform/ProgramPath.h"
#include "platform/WindowsPath.h"
#include "setup/config/SetupIni.h"
#include "setup/engine/RunObserver.h"

namespace setup {

namespace {

using Item = CUninstallRecord::CItem;
using Kind = CUninstallRecord::Kind;

constexpr const char* kOwnNames[] = {CUninstallRecord::kProgramName,
                                     CUninstallRecord::kWindowsModuleName,
                                     CUninstallRecord::kIniName, CUninstallRecord::kRecordName};

bool DigestLauncher(const std::string& hostPath, Item& item) {
    const std::size_t slash = hostPath.rfind('/');
    platform::CInstallFolder folder;
    item = Item{Kind::Launcher, 0, {}, hostPath};
    return slash != std::string::npos && folder.Open(hostPath.substr(0, slash + 1)) &&
           folder.DigestFile(hostPath.substr(slash + 1), item.m_nSize, item.m_strDigest);
}

// Puts `item` into `items`, in place of an entry of the same kind and path: a file
// written twice is one entry, with what it holds now.
void PutItem(std::vector<Item>& items, const Item& item) {
    const auto same = std::ranges::find_if(items, [&item](const Item& other) {
        return other.m_kind == item.m_kind && other.m_strPath == item.m_strPath;
    });
    if (same == items.end()) {
        items.push_back(item);
    } else {
        *same = item;
    }
}

class CLauncherRecorder : public CRunObserver {
public:
    CLauncherRecorder(platform::CInstallFolder& folder, CUninstallRecord& record,
                      CRunObserver& next)
        : m_folder(folder), m_record(record), m_next(next) {}

    void FileCopied(const std::string& destination) override { m_next.FileCopied(destination); }
    void CopyFailed(const std::string& destination, const std::string& cause) override {
        m_next.CopyFailed(destination, cause);
    }
    void FileRemoved(const std::string& path) override { m_next.FileRemoved(path); }
    void FileNotRemoved(const std::string& path, NotRemoved why,
                        const std::string& cause) override {
        m_next.FileNotRemoved(path, why, cause);
    }
    void LauncherWritten(const std::string& hostPath) override {
        Item item;
        if (!hostPath.empty() && DigestLauncher(hostPath, item)) {
            PutItem(m_record.m_items, item);
            // A record that cannot be written now still serves: the launcher alone
            // is then left by the uninstall.
            m_folder.WriteWhole(CUninstallRecord::kRecordName, m_record.Format());
        }
        m_next.LauncherWritten(hostPath);
    }
    void ProgramStarted(const std::string& commandLine) override {
        m_next.ProgramStarted(commandLine);
    }

private:
    platform::CInstallFolder& m_folder;
    CUninstallRecord& m_record;
    CRunObserver& m_next;
};

}  // namespace

bool ReadUninstallRecord(const platform::CInstallFolder& folder, CUninstallRecord& record) {
    std::string text;
    int badLine = 0;
    return folder.ReadWhole(CUninstallRecord::kRecordName, CUninstallRecord::kMaxSize, text) &&
           record.Parse(text, badLine);
}

bool IsOwnFileName(const std::string& relative) {
    return std::ranges::any_of(kOwnNames, [&relative](const char* own) {
        return platform::kHostNamesIgnoreCase ? platform::EqualsIgnoringAsciiCase(relative, own)
                                              : relative == own;
    });
}

bool OwnNamesAreFree(const platform::CInstallFolder& folder, bool bHasPrevious,
                     const CUninstallRecord& previous, std::string& clash) {
    const std::vector<std::string> names = folder.List("");
    for (const char* own : kOwnNames) {
        if (std::ranges::find(names, own) == names.end()) {
            continue;
        }
        const bool earlier =
            bHasPrevious && (own == CUninstallRecord::kRecordName ||
                             std::ranges::any_of(previous.m_items, [own](const Item& item) {
                                 return item.m_kind == Kind::Program && item.m_strPath == own;
                             }));
        if (!earlier) {
            clash = own;
            return false;
        }
    }
    return true;
}

bool KeepInstaller(platform::CInstallFolder& folder, CInstallJournal& journal,
                   const std::string& folderShown) {
    // Its windows go with it, so that the installed copy uninstalls with windows too;
    // media without them give a copy without them, which still uninstalls unattended.
    // Its SETUP.INI goes with it: the uninstall's progress window takes its title there.
    const std::string program = platform::ProgramPath();
    // Without a path of its own the program's copy fails first.
    const std::string programFolder = program.substr(0, program.rfind('/') + 1);
    struct CCopy {
        std::string source;
        const char* name;
        bool bOptional;
    };
    const CCopy copies[] = {{program, CUninstallRecord::kProgramName, false},
                            {programFolder + CUninstallRecord::kWindowsModuleName,
                             CUninstallRecord::kWindowsModuleName, true},
                            {platform::ToHostPath(GetSetupDirectory() + "SETUP.INI"),
                             CUninstallRecord::kIniName, false}};
    for (const CCopy& copy : copies) {
        platform::CPlacement placement;
        const platform::FileCopyResult result =
            copy.source.empty()
                ? platform::FileCopyResult::kNotWritten
                : folder.PlaceFile(
                      copy.source, copy.name, [](std::uint64_t) {}, false,
                      journal.BeforePlacing(CInstallJournal::Kind::ProgramWritten, copy.name),
                      placement);
        if (result == platform::FileCopyResult::kNoSource && copy.bOptional) {
            continue;
        }
        if (result != platform::FileCopyResult::kCopied) {
            RunObserver().CopyFailed(folderShown + "\\" + copy.name, folder.LastFailure());
            return false;
        }
        journal.Placed(CInstallJournal::Kind::ProgramWritten, copy.name, placement, copy.name);
    }
    return true;
}

bool PlaceUninstallRecord(platform::CInstallFolder& folder, CInstallJournal& journal,
                          const CUninstallRecord& previous, const std::string& canonical,
                          CUninstallRecord& record) {
    record = CUninstallRecord();
    record.m_strCaption = ReadIniString("Setup", "Caption");
    record.m_strFolder = canonical;
    if (journal.CreatedLevels() > 0) {
        record.m_created.push_back(".");
    }
    for (const std::string& created : previous.m_created) {
        if (std::ranges::find(record.m_created, created) == record.m_created.end()) {
            record.m_created.push_back(created);
        }
    }
    // What the earlier installation wrote and this one does not stays listed as it
    // was recorded, so that only an unchanged file goes: the installer's windows of an
    // earlier installation too, when this one's media came without them.
    record.m_items = previous.m_items;
    for (const CInstallJournal::CEntry& entry : journal.Entries()) {
        const bool program = entry.m_kind == CInstallJournal::Kind::ProgramWritten;
        if (entry.m_kind != CInstallJournal::Kind::FileWritten && !program) {
            continue;
        }
        Item item{program ? Kind::Program : Kind::File, 0, {}, entry.m_strPath};
        // A file that cannot be read back now is left out: the uninstall keeps what
        // it cannot vouch for.
        if (folder.DigestFile(entry.m_strPath, item.m_nSize, item.m_strDigest)) {
            PutItem(record.m_items, item);
        }
    }
    platform::CPlacement placement;
    if (folder.PlaceContents(CUninstallRecord::kRecordName, record.Format(),
                             journal.BeforePlacing(CInstallJournal::Kind::RecordWritten,
                                                   CUninstallRecord::kRecordName),
                             placement) != platform::FileCopyResult::kCopied) {
        return false;
    }
    journal.Placed(CInstallJournal::Kind::RecordWritten, CUninstallRecord::kRecordName, placement,
                   CUninstallRecord::kRecordName);
    return true;
}

void RecordLaunchers(platform::CInstallFolder& folder, CUninstallRecord& record,
                     const std::function<void()>& actions) {
    CRunObserver& previous = RunObserver();
    CLauncherRecorder recorder(folder, record, previous);
    SetRunObserver(&recorder);
    actions();
    SetRunObserver(&previous);
}

}  // namespace setup
