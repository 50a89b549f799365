#include "game/engine/Word.h"

namespace lettrino {

namespace {

bool IsWhiteSpace(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

}  // namespace

bool PrepareWord(std::string& target, const std::string& source, bool checkLength) {
    return PrepareWordView(target, source, checkLength);
}

bool PrepareWordView(std::string& target, std::string_view source, bool checkLength) {
    std::size_t end = source.size();
    while (end > 0 && IsWhiteSpace(source[end - 1])) {
        --end;
    }
    std::size_t begin = 0;
    while (begin < end && IsWhiteSpace(source[begin])) {
        ++begin;
    }
    target.assign(source.substr(begin, end - begin));
    // One pass without branches per character: loading a dictionary runs every
    // line through here.
    bool bLetters = true;
    for (char& c : target) {
        unsigned value = static_cast<unsigned char>(c);
        value -= (value - 'a' < 26u) ? 'a' - 'A' : 0u;
        c = static_cast<char>(value);
        bLetters &= value - 'A' < 26u;
    }
    if (checkLength && (target.size() < 3 || target.size() > 16)) {
        return false;
    }
    return bLetters;
}

void CountLetters(const std::string& word, CLetterCounts& counts) {
    counts.fill(0);
    for (char c : word) {
        if (c >= 'A' && c <= 'Z') {
            ++counts[static_cast<std::size_t>(c - 'A')];
        }
    }
}

bool IsFormable(const std::string& candidate, const std::string& word) {
    if (candidate == word) {
        return false;
    }
    CLetterCounts candidateCounts;
    CLetterCounts wordCounts;
    CountLetters(candidate, candidateCounts);
    CountLetters(word, wordCounts);
    for (std::size_t letter = 0; letter < candidateCounts.size(); ++letter) {
        if (candidateCounts[letter] > wordCounts[letter]) {
            return false;
        }
    }
    return true;
}

}  // namespace lettrino
