#include "game/engine/Dictionary.h"

#include <algorithm>

#include "game/engine/DictionaryLocation.h"
#include "game/engine/StringTable.h"
#include "game/engine/Word.h"
#include "platform/FileOperations.h"
#include "platform/Format.h"
#include "platform/RawFileWriter.h"
#include "platform/RuntimeRandom.h"
#include "platform/SystemStrings.h"
#include "platform/TextFileReader.h"
#include "platform/UserInterface.h"

namespace lettrino {

namespace {

using platform::MessageButtons;
using platform::MessageIcon;

constexpr std::size_t kMinPuzzleLength = 8;
constexpr int kMinFormable = 25;
constexpr int kMaxFormable = 100;
constexpr int kAboveMaximum = kMaxFormable + 1;
// A draw takes the entry at r % N with r from 0 to 32767: no entry beyond can ever be drawn.
constexpr std::size_t kDrawableEntries = platform::CRuntimeRandom::kMax + 1;

void ShowFileError(int stringId, const std::string& path) {
    platform::UserInterface().MessageBox(
        platform::FormatString(platform::LoadSystemString(stringId), {path}), MessageIcon::Stop,
        MessageButtons::Ok);
}

}  // namespace

CDictionary::CDictionary() = default;

CDictionary::~CDictionary() = default;

std::string CDictionary::GetFilePath(const std::string& extension) const {
    return CDictionaryLocation::Find().GetSavePath(extension);
}

std::size_t CDictionary::GetSize() const {
    return m_arrEntries.size();
}

const std::string& CDictionary::GetAt(std::size_t index) const {
    return m_arrEntries[index];
}

void CDictionary::Load() {
    platform::CBusyScope busy;
    const std::string path = CDictionaryLocation::Find().GetLoadPath();
    platform::CTextFileReader file;
    if (!file.Open(path)) {
        platform::UserInterface().MessageBox(
            platform::FormatString(LoadGameString(IDS_LOAD_FAILED), {path}),
            MessageIcon::Exclamation, MessageButtons::Ok);
        platform::UserInterface().ExitProcess(0);
    }
    if (!Transfer(file)) {
        // The game goes on with the words read so far.
        ShowFileError(platform::IDS_SYS_FILE_GENERIC, path);
    }
    file.Close();
}

bool CDictionary::Transfer(platform::CTextFileReader& file) {
    // Reserving for the likely number of words (with CR LF a line takes 10 bytes on
    // average) saves moving every entry each time the array grows. A huge file of
    // anything but words must not make it reserve gigabytes, hence the cap.
    constexpr std::size_t kMaxReserve = std::size_t{1} << 20;
    m_arrEntries.reserve(m_arrEntries.size() + std::min(file.GetLength() / 8, kMaxReserve));
    std::string_view line;
    platform::CTextFileReader::Result result;
    while ((result = file.ReadLineView(line)) == platform::CTextFileReader::Result::Line) {
        // Prepared in place: a line is copied once, straight into its entry.
        m_arrEntries.emplace_back();
        if (!PrepareWordView(m_arrEntries.back(), line, true)) {
            m_arrEntries.pop_back();
        }
    }
    m_bModified = false;
    return result == platform::CTextFileReader::Result::End;
}

bool CDictionary::Transfer(platform::CRawFileWriter& file) {
    std::string line;
    for (const std::string& entry : m_arrEntries) {
        line.assign(entry).append("\r\n");
        if (!file.Write(line)) {
            return false;
        }
    }
    m_bModified = false;
    return true;
}

void CDictionary::MakeBackup() {
    const CDictionaryLocation location = CDictionaryLocation::Find();
    const std::string textPath = location.GetSavePath(".txt");
    const std::string backupPath = location.GetSavePath(".bak");
    bool bBackedUp = true;
    if (platform::FileExists(textPath)) {
        platform::DeleteFile(backupPath);  // there may be none
        bBackedUp = platform::RenameFile(textPath, backupPath);
    } else if (location.IsPlayerCopy() && platform::FileExists(location.GetInstalledPath())) {
        // The first save into the player's copy: the previous words are the
        // installed dictionary's, which stays as it is.
        bBackedUp = platform::CopyFileOverwrite(location.GetInstalledPath(), backupPath);
    }
    if (!bBackedUp) {
        platform::UserInterface().MessageBox(
            platform::FormatString(LoadGameString(IDS_BACKUP_FAILED), {backupPath}),
            MessageIcon::Exclamation, MessageButtons::Ok);
    }
}

bool CDictionary::SaveIfModified() {
    platform::CBusyScope busy;
    if (!m_bModified) {
        return true;
    }
    if (platform::UserInterface().MessageBox(LoadGameString(IDS_SAVE_CHANGES),
                                             MessageIcon::Question, MessageButtons::YesNo) !=
        platform::MessageResult::Yes) {
        return true;
    }
    return Save();
}

bool CDictionary::Save() {
    // Nothing touches the dictionary or its backup until the new contents are
    // completely on disk: a full disk or a failing write then leaves both as they
    // were, and a second attempt cannot back up a half-written file over the backup.
    // The new file has a name of its own, so a file of the player's is never taken
    // for it, and it gets the dictionary's permissions and group.
    const CDictionaryLocation location = CDictionaryLocation::Find();
    const std::string textPath = location.GetSavePath(".txt");
    platform::CRawFileWriter file;
    if (!location.PrepareSaveFolder() || !file.CreateReplacement(textPath)) {
        ShowFileError(platform::IDS_SYS_FILE_GENERIC, textPath);
        return false;
    }
    const std::string temporaryPath = file.GetPath();
    bool bWritten = Transfer(file) && file.Sync();
    bWritten = file.Close() && bWritten;
    if (!bWritten) {
        platform::DeleteFile(temporaryPath);
        m_bModified = true;
        ShowFileError(platform::IDS_SYS_FILE_DISK_FULL, textPath);
        return false;
    }
    MakeBackup();
    if (!platform::ReplaceFile(temporaryPath, textPath)) {
        platform::DeleteFile(temporaryPath);
        // Give the previous contents their name back if the backup took it.
        if (!platform::FileExists(textPath)) {
            platform::RenameFile(GetFilePath(".bak"), textPath);
        }
        m_bModified = true;
        ShowFileError(platform::IDS_SYS_FILE_GENERIC, textPath);
        return false;
    }
    return true;
}

bool CDictionary::Contains(const std::string& word) const {
    platform::CBusyScope busy;
    m_index.CatchUp(m_arrEntries);
    return m_index.Contains(m_arrEntries, word);
}

void CDictionary::AddWord(const std::string& word) {
    if (Contains(word)) {
        return;
    }
    std::string entry;
    if (!PrepareWord(entry, word, true)) {
        return;
    }
    // Keep the remembered counts exact: the new entry adds one to the count of
    // every counted puzzle candidate it can be formed from.
    const CLetterProfile profile(entry);
    m_profiles.CatchUp(m_arrEntries);
    for (std::size_t i = 0; i < m_anFormableCounts.size(); ++i) {
        int& count = m_anFormableCounts[i];
        if (count >= 0 && count < kAboveMaximum && profile.FitsIn(m_profiles.At(i)) &&
            entry != m_arrEntries[i]) {
            ++count;
        }
    }
    m_qualifying = Qualifying::Unknown;
    m_arrEntries.push_back(std::move(entry));
    m_bModified = true;
}

int CDictionary::FormableCount(std::size_t index) {
    int& count = m_anFormableCounts[index];
    if (count < 0) {
        int found = 0;
        m_profiles.ForEachFormable(m_arrEntries, m_arrEntries[index], m_profiles.At(index),
                                   [&found](std::size_t) { return ++found < kAboveMaximum; });
        count = found;
    }
    return count;
}

bool CDictionary::IsPuzzleWord(std::size_t index) {
    if (m_arrEntries[index].size() < kMinPuzzleLength) {
        return false;
    }
    const int count = FormableCount(index);
    return count >= kMinFormable && count <= kMaxFormable;
}

bool CDictionary::AnyDrawableQualifies() {
    for (std::size_t i = 0; i < m_anFormableCounts.size(); ++i) {
        if (IsPuzzleWord(i)) {
            return true;
        }
    }
    return false;
}

bool CDictionary::ChoosePuzzleWord(std::string& word, int& count) {
    platform::CBusyScope busy;
    word.clear();
    count = -1;
    const std::size_t size = m_arrEntries.size();
    if (size == 0 || m_qualifying == Qualifying::None) {
        return false;
    }
    m_profiles.CatchUp(m_arrEntries);
    const std::size_t drawable = std::min(size, kDrawableEntries);
    if (m_anFormableCounts.size() < drawable) {
        m_anFormableCounts.resize(drawable, -1);
    }
    if (m_qualifying == Qualifying::Unknown &&
        std::none_of(m_arrEntries.begin(), m_arrEntries.begin() + static_cast<long>(drawable),
                     [](const std::string& entry) { return entry.size() >= kMinPuzzleLength; })) {
        m_qualifying = Qualifying::None;
        return false;
    }
    // Every draw below is the one the plain algorithm makes; remembered counts only
    // make repeated candidates cheap. A dictionary without any drawable puzzle word
    // would keep it drawing for ever, so after many vain draws every drawable entry is
    // counted once to find out; with a puzzle word among them the draw goes on and
    // ends with probability one, since the generator yields every value 0 to 32767.
    const std::size_t patience = 4 * drawable + 64;
    std::size_t misses = 0;
    platform::CRuntimeRandom& random = platform::RuntimeRandom();
    for (;;) {
        const std::size_t index = static_cast<std::size_t>(random.Next()) % size;
        if (IsPuzzleWord(index)) {
            m_qualifying = Qualifying::Some;
            word = m_arrEntries[index];
            count = m_anFormableCounts[index];
            return true;
        }
        if (++misses == patience && m_qualifying == Qualifying::Unknown) {
            if (!AnyDrawableQualifies()) {
                m_qualifying = Qualifying::None;
                return false;
            }
            m_qualifying = Qualifying::Some;
        }
    }
}

void CDictionary::FindFormableWords(const std::string& word, CStringArray& list) const {
    list.clear();
    std::string key;
    PrepareWord(key, word, true);
    m_profiles.CatchUp(m_arrEntries);
    const CLetterProfile profile(key);
    if (!profile.IsExact()) {
        // A letter 128 times or more: beyond the packed counts, take the plain test.
        for (const std::string& entry : m_arrEntries) {
            if (IsFormable(entry, key)) {
                list.push_back(entry);
            }
        }
        return;
    }
    m_profiles.ForEachFormable(m_arrEntries, key, profile, [&](std::size_t index) {
        list.push_back(m_arrEntries[index]);
        return true;
    });
}

}  // namespace lettrino
