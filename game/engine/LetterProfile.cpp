#include "game/engine/LetterProfile.h"

#include <cstring>

namespace lettrino {

CLetterProfile::CLetterProfile(std::string_view word) {
    // 8-bit counters like CountLetters (a count of 256 wraps to 0), laid out in memory
    // as the packed words expect: the compare treats every byte alike, whatever the
    // machine's byte order.
    std::uint8_t counts[sizeof m_anCounts] = {};
    for (char c : word) {
        const unsigned letter = static_cast<unsigned char>(c) - unsigned{'A'};
        if (letter < 26) {
            ++counts[letter];
            m_nMask |= 1u << letter;
        }
    }
    if (word.size() >= 0x80) {
        for (std::uint8_t& count : counts) {
            if (count >= 0x80) {
                m_bExact = false;
            }
            if (count == 0) {
                m_nMask &= ~(1u << (&count - counts));  // wrapped round to nothing
            }
        }
    }
    std::memcpy(m_anCounts.data(), counts, sizeof counts);
}

}  // namespace lettrino
