#include "game/engine/Scoring.h"

#include <unordered_set>

#include "game/engine/Dictionary.h"

namespace lettrino {

namespace {

std::string LowerCase(const std::string& text) {
    std::string lower = text;
    for (char& c : lower) {
        if (c >= 'A' && c <= 'Z') {
            c = static_cast<char>(c - 'A' + 'a');
        }
    }
    return lower;
}

}  // namespace

int GamePercentage(int found, int maximum) {
    // The dialog never passes a maximum of 0 with words found, but a division by
    // zero would end the program, so it is refused here rather than trusted away.
    if (found == 0 || maximum <= 0) {
        return 0;
    }
    // In 64 bits: found * 100 must not overflow for any count the dialog can hold.
    return static_cast<int>(static_cast<long long>(found) * 100 / maximum);
}

int AverageScore(int totalFound, int totalMaximum) {
    if (totalMaximum <= 0) {
        return 0;
    }
    return static_cast<int>(static_cast<long long>(totalFound) * 100 / totalMaximum);
}

platform::CStringArray MissedWords(const CDictionary& dictionary, const std::string& puzzleWord,
                                   const std::vector<std::string>& found) {
    std::unordered_set<std::string> foundLower;
    for (const std::string& word : found) {
        foundLower.insert(LowerCase(word));
    }
    platform::CStringArray formable;
    dictionary.FindFormableWords(puzzleWord, formable);
    platform::CStringArray missed;
    for (std::string& entry : formable) {
        if (foundLower.count(LowerCase(entry)) == 0) {
            missed.push_back(std::move(entry));
        }
    }
    return missed;
}

}  // namespace lettrino
