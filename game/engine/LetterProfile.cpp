#include "game/engine/LetterProfile.h"

#include "game/engine/Word.h"

namespace lettrino {

CLetterProfile::CLetterProfile(std::string_view word) {
    // Each letter adds one to its byte of the packed counts directly.
    for (char c : word) {
        if (c >= 'A' && c <= 'Z') {
            const unsigned letter = static_cast<unsigned>(c - 'A');
            m_anCounts[letter / 8] += std::uint64_t{1} << (8 * (letter % 8));
            m_nMask |= 1u << letter;
        }
    }
    if (word.size() < 0x80) {
        return;  // no letter can have reached 0x80
    }
    // A word this long may hold a letter 128 times or more. Count again with 8-bit
    // counters like CountLetters (256 wraps to 0), so that no count carries into the
    // next letter's byte, and mark the profile as not fit for the packed compare.
    *this = CLetterProfile();
    std::array<std::uint8_t, 32> counts{};
    for (char c : word) {
        if (c >= 'A' && c <= 'Z') {
            ++counts[static_cast<std::size_t>(c - 'A')];
        }
    }
    for (std::size_t letter = 0; letter < 26; ++letter) {
        if (counts[letter] != 0) {
            m_nMask |= 1u << letter;
        }
        if (counts[letter] >= 0x80) {
            m_bExact = false;
        }
        m_anCounts[letter / 8] |= static_cast<std::uint64_t>(counts[letter]) << (8 * (letter % 8));
    }
}

}  // namespace lettrino
