#pragma once

#include <cstddef>
#include <string>

#include "platform/StringArray.h"

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

    // The program's own path with its extension replaced by `extension` (".txt",
    // ".bak"); only the file name's extension is replaced, never a dot in a directory.
    std::string GetFilePath(const std::string& extension) const;

    // Fills the empty store from the dictionary file. When the file cannot be opened
    // it reports message 102 and ends the process.
    void Load();

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
    bool m_bModified = false;
    // Implementation members are added below this line.
};

}  // namespace lettrino
