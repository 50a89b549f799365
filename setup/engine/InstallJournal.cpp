#include "setup/engine/InstallJournal.h"

#include <algorithm>
#include <charconv>

#include "setup/engine/TabFields.h"

namespace setup {

namespace {

constexpr const char* kVersionLine = "setup-journal\t1";
// In place of a temporary's name: the file was made under its own name.
constexpr const char* kNoTemporary = "-";

const char* KindName(CInstallJournal::Kind kind) {
    switch (kind) {
        case CInstallJournal::Kind::ProgramWritten:
            return "program";
        case CInstallJournal::Kind::RecordWritten:
            return "record";
        default:
            return "file";
    }
}

bool ParseNumber(const std::string& text, std::uint64_t& number) {
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), number);
    return !text.empty() && error == std::errc() && end == text.data() + text.size();
}

bool ParseEntry(const std::string& line, CInstallJournal::CEntry& entry) {
    using Kind = CInstallJournal::Kind;
    const std::vector<std::string> fields = TabFields(line, 4);
    std::uint64_t levels = 0;
    if (fields.size() == 2 && fields[0] == "created") {
        if (!ParseNumber(fields[1], levels)) {
            return false;
        }
        entry = CInstallJournal::CEntry{
            Kind::FolderCreated, {}, {}, {}, static_cast<int>(std::min<std::uint64_t>(levels, 64))};
        return true;
    }
    if (fields.size() != 5) {
        return false;
    }
    const std::string& kind = fields[0];
    entry = CInstallJournal::CEntry{kind == "file"      ? Kind::FileWritten
                                    : kind == "program" ? Kind::ProgramWritten
                                                        : Kind::RecordWritten,
                                    fields[4],
                                    {},
                                    {},
                                    0};
    platform::CPlacement& placement = entry.m_placement;
    // "-": the file was made under its own name.
    placement.m_strTemporary = fields[3] == kNoTemporary ? std::string() : fields[3];
    return (kind == "file" || kind == "program" || kind == "record") &&
           ParseNumber(fields[1], placement.m_nDevice) &&
           ParseNumber(fields[2], placement.m_nInode) &&
           (placement.m_strTemporary.empty() ||
            (platform::CInstallFolder::IsOwnName(placement.m_strTemporary) &&
             platform::CInstallFolder::IsSafeRelative(placement.m_strTemporary))) &&
           platform::CInstallFolder::IsSafeRelative(entry.m_strPath);
}

}  // namespace

bool CInstallJournal::Begin(platform::CInstallFolder& folder) {
    m_entries.clear();
    m_pFolder = &folder;
    if (folder.OpenJournal(kFileName) &&
        folder.AppendJournal(std::string(kVersionLine) + "\n", false)) {
        return true;
    }
    m_pFolder = nullptr;
    return false;
}

bool CInstallJournal::FoldersCreated(int levels) {
    m_entries.push_back(CEntry{Kind::FolderCreated, {}, {}, {}, levels});
    return m_pFolder != nullptr &&
           m_pFolder->AppendJournal("created\t" + std::to_string(levels) + "\n", false);
}

platform::CBeforePlacing CInstallJournal::BeforePlacing(Kind kind, const std::string& relative) {
    return [this, kind, relative](const platform::CPlacement& placement) {
        // A line break in a name would end its entry early: such a file is not
        // written rather than left unexplained.
        if (m_pFolder == nullptr || relative.find_first_of("\r\n") != std::string::npos) {
            return false;
        }
        // The placement syncs the journal before it sets an original aside; the
        // record's line is synced here, as the mark that the run is complete.
        // One buffer for the line: it is written for every file of the run.
        std::string line;
        line.reserve(64 + placement.m_strTemporary.size() + relative.size());
        line.append(KindName(kind)).append("\t");
        line.append(std::to_string(placement.m_nDevice)).append("\t");
        line.append(std::to_string(placement.m_nInode)).append("\t");
        line.append(placement.m_strTemporary.empty() ? std::string_view(kNoTemporary)
                                                     : std::string_view(placement.m_strTemporary));
        line.append("\t").append(relative).append("\n");
        return m_pFolder->AppendJournal(line, kind == Kind::RecordWritten);
    };
}

void CInstallJournal::Placed(Kind kind, const std::string& relative,
                             const platform::CPlacement& placement, const std::string& shown) {
    m_entries.push_back(CEntry{kind, relative, placement, shown, 0});
}

void CInstallJournal::LauncherWritten(const std::string& hostPath) {
    m_entries.push_back(CEntry{Kind::LauncherWritten, hostPath, {}, {}, 0});
}

int CInstallJournal::CreatedLevels() const {
    int levels = 0;
    for (const CEntry& entry : m_entries) {
        levels = std::max(levels, entry.m_nLevels);
    }
    return levels;
}

void CInstallJournal::Complete() {
    if (m_pFolder == nullptr) {
        return;
    }
    for (const CEntry& entry : m_entries) {
        if (entry.m_kind != Kind::FolderCreated && entry.m_kind != Kind::LauncherWritten &&
            entry.m_placement.m_bReplaces) {
            // One that cannot go now stays as a hidden file: nothing is lost by that.
            m_pFolder->DropOriginal(entry.m_strPath, entry.m_placement);
        }
    }
    End();
}

void CInstallJournal::End() {
    if (m_pFolder != nullptr) {
        m_pFolder->CloseJournal();
        m_pFolder->RemoveFile(kFileName);
        m_pFolder = nullptr;
    }
}

std::vector<CInstallJournal::CEntry> CInstallJournal::Parse(const std::string& text) {
    std::vector<CEntry> entries;
    std::size_t start = 0;
    bool first = true;
    for (;;) {
        const std::size_t end = text.find('\n', start);
        if (end == std::string::npos) {
            return entries;  // a line without its end was cut short by a crash
        }
        const std::string line = text.substr(start, end - start);
        start = end + 1;
        CEntry entry{};
        if (first ? line != kVersionLine : !ParseEntry(line, entry)) {
            return entries;
        }
        if (!first) {
            entries.push_back(entry);
        }
        first = false;
    }
}

}  // namespace setup
