#include "setup/engine/CopyFiles.h"

#include <algorithm>

#include "platform/FileCopy.h"
#include "platform/Format.h"
#include "platform/UserInterface.h"
#include "platform/WindowsPath.h"
#include "setup/config/CountText.h"
#include "setup/config/SetupIni.h"
#include "setup/config/StringTable.h"
#include "setup/engine/InstallTarget.h"
#include "setup/engine/RecordInstallation.h"
#include "setup/engine/RunObserver.h"

namespace setup {

namespace {

void ShowError(const std::string& text) {
    platform::UserInterface().MessageBox(text, platform::MessageIcon::Exclamation,
                                         platform::MessageButtons::Ok);
}

// The bytes of all listed files, for the progress bar: up to the first missing key,
// where the loop itself will stop. `hosts` gets each file's host path as named, which
// the copy opens first.
std::uint64_t TotalBytes(const std::vector<std::string>& values, const std::string& setupDirectory,
                         std::vector<std::string>& hosts) {
    std::uint64_t total = 0;
    for (const std::string& value : values) {
        const std::string source = setupDirectory + value;
        hosts.push_back(platform::ToHostPathAsNamed(source));
        std::uint64_t size = platform::RegularFileSize(hosts.back());
        total += size != 0 ? size : platform::RegularFileSize(platform::ToHostPath(source));
    }
    return total;
}

// Copies one file. The destination's entry is in `copied` while the copy runs and
// is taken off again when the copy fails: a failed copy never touches the
// destination, so the rollback offers only files this run has written.
bool CopyOne(CCopyProgress& progress, CInstallTarget& target, platform::CInstallFolder& folder,
             CInstallJournal& journal, const std::string& value, const std::string& source,
             const std::string& sourceAsNamed, std::uint64_t& done, std::uint64_t& total) {
    platform::CStringArray& copied = progress.CopiedFiles();
    CInstallTarget::CDestination destination;
    // A destination outside the install directory is never listed: the rollback
    // must not offer a file there, since the run wrote none. Nor is one that would
    // take the name of the installer's own files where names ignore case.
    if (!target.Resolve(value, destination) || IsOwnFileName(destination.m_strRelative)) {
        return false;
    }
    copied.push_back(destination.m_strPath);
    const std::uint64_t before = done;
    const auto afterChunk = [&](std::uint64_t nCopied) {
        // Repaint only: a click on Cancel stays queued until the file is done.
        platform::UserInterface().RepaintWindows();
        done = before + nCopied;
        total = std::max(total, done);
        progress.SetProgress(done, total);
    };
    using Kind = CInstallJournal::Kind;
    platform::CPlacement placement;
    const platform::CBeforePlacing beforePlacing =
        journal.BeforePlacing(Kind::FileWritten, destination.m_strRelative);
    platform::FileCopyResult result =
        folder.PlaceFile(sourceAsNamed, destination.m_strRelative, afterChunk, destination.m_bNew,
                         beforePlacing, placement);
    // Named in another letter case on disk: the lookup costs a call per level, so it
    // is made only for a name not found as it stands.
    if (result == platform::FileCopyResult::kNoSource) {
        const std::string sourceHost = platform::ToHostPath(source);
        result = sourceHost.empty()
                     ? result
                     : folder.PlaceFile(sourceHost, destination.m_strRelative, afterChunk,
                                        destination.m_bNew, beforePlacing, placement);
    }
    if (result != platform::FileCopyResult::kCopied) {
        copied.pop_back();
        RunObserver().CopyFailed(
            destination.m_strPath,
            result == platform::FileCopyResult::kNoSource ? std::string() : folder.LastFailure());
        return false;
    }
    journal.Placed(Kind::FileWritten, destination.m_strRelative, placement, destination.m_strPath);
    target.Added(destination);
    RunObserver().FileCopied(destination.m_strPath);
    return true;
}

}  // namespace

void CopyFiles(CCopyProgress& progress, platform::CInstallFolder& folder,
               CInstallJournal& journal) {
    progress.CopiedFiles().clear();
    const int count = CountFromText(ReadIniString("Files", "Files"));
    if (count == 0) {
        ShowError(LoadSetupString(IDS_NO_FILES_VALUE));
        progress.SetStatus(kStatusFailed);
        progress.EndProgress();
        return;
    }
    const std::string setupDirectory = GetSetupDirectory();
    CInstallTarget target(progress.TargetDirectory());
    // One reading of the list: checking SETUP.INI for changes before every file would
    // cost a call per file, a good part of what a small file costs to copy.
    const std::vector<std::string> values = ReadIniList("Files", "File", count);
    std::vector<std::string> hosts;
    std::uint64_t total = TotalBytes(values, setupDirectory, hosts);
    std::uint64_t done = 0;
    const std::string_view copying = LoadSetupString(IDS_COPYING_FILE);
    for (int i = 1; i <= count && progress.Status() == kStatusCompleted; ++i) {
        // A confirmed cancel arrives while the windows handle their events.
        platform::UserInterface().PumpEvents();
        if (progress.Status() == kStatusCancelled) {
            break;
        }
        const std::size_t index = static_cast<std::size_t>(i) - 1;
        const std::string value = index < values.size() ? values[index] : std::string();
        if (value.empty()) {
            ShowError(LoadSetupString(IDS_FILES_NOT_LISTED));
            progress.SetStatus(kStatusFailed);
            break;
        }
        progress.SetStatusText(platform::FormatString(copying, {i, count}));
        const std::string source = setupDirectory + value;
        if (!CopyOne(progress, target, folder, journal, value, source, hosts[index], done, total)) {
            ShowError(platform::FormatString(LoadSetupString(IDS_CANNOT_COPY_FILE), {source}));
            progress.SetStatus(kStatusFailed);
            break;
        }
        progress.SetProgress(done, total);
    }
    progress.EndProgress();
}

}  // namespace setup
