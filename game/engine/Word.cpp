#include "game/engine/Word.h"

#include <algorithm>
#include <cstring>

namespace lettrino {

namespace {

bool IsWhiteSpace(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

// Upper-cases `text` into `target` one character at a time; true when every
// character is then a letter A-Z.
bool UpperCaseAny(std::string_view text, std::string& target) {
    target.assign(text);
    bool bLetters = true;
    for (char& c : target) {
        unsigned value = static_cast<unsigned char>(c);
        value -= (value - 'a' < 26u) ? 'a' - 'A' : 0u;
        c = static_cast<char>(value);
        bLetters &= value - 'A' < 26u;
    }
    return bLetters;
}

// Per byte of `x`, 0x80 where the byte lies in [low, high], else 0. Works on the low
// seven bits, where adding (0x80 - bound) sets the top bit exactly when the byte is
// at least `bound` and cannot carry into the next byte; a byte of 0x80 or above is
// never in range.
constexpr std::uint64_t InRange(std::uint64_t x, unsigned low, unsigned high) {
    constexpr std::uint64_t kOnes = 0x0101010101010101ull;
    constexpr std::uint64_t kHigh = 0x8080808080808080ull;
    const std::uint64_t seven = x & ~kHigh;
    const std::uint64_t atLeastLow = seven + kOnes * (0x80 - low);
    const std::uint64_t aboveHigh = seven + kOnes * (0x80 - high - 1);
    return atLeastLow & ~aboveHigh & ~x & kHigh;
}

// Upper-cases the characters held in `block` (copied from memory; the byte order
// does not matter, as each byte is handled on its own); true when all of them are
// then letters A-Z.
template <typename Word>
bool UpperCaseBlock(Word& block) {
    std::uint64_t x = block;
    x -= InRange(x, 'a', 'z') >> 2;  // 0x80 >> 2 is the distance from 'a' to 'A'
    block = static_cast<Word>(x);
    constexpr std::uint64_t kWanted = static_cast<Word>(0x8080808080808080ull);
    return InRange(x, 'A', 'Z') == kWanted;
}

// UpperCaseAny for a text of 4 to 16 characters, several at a time: every line of a
// dictionary comes through here when it is loaded. The text is taken as two blocks
// that overlap in the middle, so no byte beyond it is ever read.
template <typename Word>
bool UpperCaseOverlapping(std::string_view text, std::string& target) {
    Word first;
    Word last;
    const std::size_t lastAt = text.size() - sizeof(Word);
    std::memcpy(&first, text.data(), sizeof first);
    std::memcpy(&last, text.data() + lastAt, sizeof last);
    const bool bFirst = UpperCaseBlock(first);
    const bool bLetters = UpperCaseBlock(last) && bFirst;
    target.resize(text.size());
    std::memcpy(target.data() + lastAt, &last, sizeof last);
    std::memcpy(target.data(), &first, sizeof first);
    return bLetters;
}

bool UpperCaseShort(std::string_view text, std::string& target) {
    if (text.size() >= 8) {
        return UpperCaseOverlapping<std::uint64_t>(text, target);
    }
    if (text.size() >= 4) {
        return UpperCaseOverlapping<std::uint32_t>(text, target);
    }
    return UpperCaseAny(text, target);
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
    const std::string_view text = source.substr(begin, end - begin);
    const bool bLetters =
        text.size() <= 16 ? UpperCaseShort(text, target) : UpperCaseAny(text, target);
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
