#include "game/engine/LetterProfile.h"

#include "game/engine/Word.h"

namespace lettrino {

CLetterProfile::CLetterProfile(std::string_view word) {
    // Counted as 8-bit counters like CountLetters, so a huge count wraps the same way.
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
