#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "game/engine/LetterProfileTable.h"
#include "game/engine/WordIndex.h"
#include "platform/StringArray.h"

namespace platform {
class CRawFileWriter;
class CTextFileReader;
}  // namespace platform

namespace lettrino {

using platform::CStringArray;

// The game's word list: every entry a valid dictionary word (3 to 16 letters A-Z),
// in file order with the words added during the run at the end. Duplicates are kept.
class CDictionary {
public:
    CDictionary();
    ~CDictionary();
    CDictionary(const CDictionary&) = delete;
    CDictionary& operator=(const CDictionary&) = delete;

    // The file the dictionary is saved to (".txt") and its backup (".bak"): the
    // program's own path with its extension replaced by `extension` (only the file
    // name's extension is replaced, never a dot in a directory), or the player's copy
    // of that name when the installed dictionary is shared (CDictionaryLocation).
    // An existing file of that name in other letter case is the one given.
    std::string GetFilePath(const std::string& extension) const;

    // Fills the empty store from the dictionary file (the player's copy once there is
    // one). When the file cannot be opened it reports message 102 and ends the process.
    void Load();

    // Appends every acceptable line of `file` (trimmed, upper-cased, 3 to 16 letters
    // A-Z) and clears the modified flag. Returns false when a read failed: the lines
    // read before the failure stay, the rest of the file is not read.
    bool Transfer(platform::CTextFileReader& file);

    // Writes every entry followed by CR LF to `file`. Clears the modified flag only
    // when every write succeeded.
    bool Transfer(platform::CRawFileWriter& file);

    // Turns the current dictionary file into the backup file, replacing an older
    // backup; reports message 100 when that fails. Does nothing without a file.
    void MakeBackup();

    // Asks whether to save when the store was changed and, on Yes, saves it keeping
    // the previous file as the backup. Returns false when writing failed (the failure
    // has been reported): the caller must then abandon leaving the program.
    bool SaveIfModified();

    // Whether `word` is an entry, compared exactly as passed.
    bool Contains(const std::string& word) const;

    // Appends `word` when it is not yet an entry and is a valid dictionary word.
    void AddWord(const std::string& word);

    // Draws a puzzle word from the process-wide random generator. On success `word`
    // is the puzzle word and `count` the number of entries formable from it (25 to
    // 100). Returns false, with `word` empty and `count` -1, when the store holds no
    // entry that can ever qualify, so the draw would never end.
    bool ChoosePuzzleWord(std::string& word, int& count);

    // Clears `list` and fills it with every entry formable from `word`, in store order.
    void FindFormableWords(const std::string& word, CStringArray& list) const;

    std::size_t GetSize() const;
    const std::string& GetAt(std::size_t index) const;
    bool IsModified() const { return m_bModified; }

private:
    enum class Qualifying { Unknown, None, Some };

    // Writes the entries to a temporary file beside the dictionary and puts it in
    // place once it is completely on disk; reports and returns false on failure.
    bool Save();
    // The number of entries formable from entry `index`, or kAboveMaximum when it is
    // more than a puzzle may have: counting stops there.
    int FormableCount(std::size_t index);
    // Whether drawable entry `index` is long enough and has the right number of
    // formable entries to be a puzzle word.
    bool IsPuzzleWord(std::size_t index);
    // Whether any entry that a draw can reach is a puzzle word.
    bool AnyDrawableQualifies();

    bool m_bModified = false;
    std::vector<std::string> m_arrEntries;
    // Derived from the entries and brought up to date when needed, so loading stays a
    // plain read; entries are only ever appended, so nothing needs to be redone.
    mutable CWordIndex m_index;
    mutable CLetterProfileTable m_profiles;
    // Per entry that a draw can reach: its formable count (capped), or -1 while not
    // yet counted. Kept exact across AddWord.
    std::vector<int> m_anFormableCounts;
    Qualifying m_qualifying = Qualifying::Unknown;
};

}  // namespace lettrino
