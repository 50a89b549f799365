#pragma once

#include <array>
#include <string>
#include <vector>

#include "platform/RuntimeRandom.h"
#include "platform/StringArray.h"
#include "platform/UserInterface.h"

// The word game's dictionary operations in their plainest form: letter counts
// computed afresh for every comparison, a linear presence test, nothing remembered
// from one call to the next. The engine must give exactly the same results; the
// benchmarks measure it against this, and the tests compare the two. Not part of
// the game.
namespace reference {

using CCounts = std::array<unsigned char, 26>;

inline void CountLetters(const std::string& word, CCounts& counts) {
    counts.fill(0);
    for (char c : word) {
        if (c >= 'A' && c <= 'Z') {
            ++counts[static_cast<std::size_t>(c - 'A')];
        }
    }
}

inline bool IsFormable(const std::string& candidate, const std::string& word) {
    if (candidate == word) {
        return false;
    }
    CCounts candidateCounts;
    CCounts wordCounts;
    CountLetters(candidate, candidateCounts);
    CountLetters(word, wordCounts);
    for (std::size_t letter = 0; letter < 26; ++letter) {
        if (candidateCounts[letter] > wordCounts[letter]) {
            return false;
        }
    }
    return true;
}

inline bool PrepareWord(std::string& target, const std::string& source, bool checkLength) {
    target = source;
    const char* blanks = " \t\n\v\f\r";
    target.erase(target.find_last_not_of(blanks) + 1);
    target.erase(0, target.find_first_not_of(blanks) == std::string::npos
                        ? target.size()
                        : target.find_first_not_of(blanks));
    for (char& c : target) {
        if (c >= 'a' && c <= 'z') {
            c = static_cast<char>(c - 'a' + 'A');
        }
    }
    if (checkLength && (target.size() < 3 || target.size() > 16)) {
        return false;
    }
    for (char c : target) {
        if (c < 'A' || c > 'Z') {
            return false;
        }
    }
    return true;
}

class CReferenceDictionary {
public:
    explicit CReferenceDictionary(std::vector<std::string> entries = {})
        : m_arrEntries(std::move(entries)) {}

    const std::vector<std::string>& Entries() const { return m_arrEntries; }

    bool Contains(const std::string& word) const {
        platform::CBusyScope busy;
        for (const std::string& entry : m_arrEntries) {
            if (entry == word) {
                return true;
            }
        }
        return false;
    }

    void AddWord(const std::string& word) {
        if (Contains(word)) {
            return;
        }
        std::string entry;
        if (PrepareWord(entry, word, true)) {
            m_arrEntries.push_back(entry);
        }
    }

    // Draws until a puzzle word is found. The plain draw never ends without one;
    // `maxDraws` (when positive) stops it so that tests cannot hang: it then returns
    // false with `word` empty and `count` -1.
    bool ChoosePuzzleWord(std::string& word, int& count, long maxDraws = 0) const {
        platform::CBusyScope busy;
        word.clear();
        count = -1;
        if (m_arrEntries.empty()) {
            return false;
        }
        for (long draws = 0; maxDraws <= 0 || draws < maxDraws; ++draws) {
            const int r = platform::RuntimeRandom().Next();
            const std::string& candidate =
                m_arrEntries[static_cast<std::size_t>(r) % m_arrEntries.size()];
            if (candidate.size() < 8) {
                continue;
            }
            int formable = 0;
            for (const std::string& entry : m_arrEntries) {
                if (IsFormable(entry, candidate)) {
                    ++formable;
                }
            }
            if (formable >= 25 && formable <= 100) {
                word = candidate;
                count = formable;
                return true;
            }
        }
        return false;
    }

    void FindFormableWords(const std::string& word, platform::CStringArray& list) const {
        list.clear();
        std::string key;
        PrepareWord(key, word, true);
        for (const std::string& entry : m_arrEntries) {
            if (IsFormable(entry, key)) {
                list.push_back(entry);
            }
        }
    }

private:
    std::vector<std::string> m_arrEntries;
};

}  // namespace reference
