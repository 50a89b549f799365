#pragma once

#include <array>
#include <cstdint>
#include <string_view>

namespace lettrino {

// A word's letter counts packed for a fast formable test: one byte per letter A-Z in
// four 64-bit words, plus a bit per letter that occurs at all. The bit set rejects
// most words with one instruction; the packed bytes compare all 26 counts in four
// steps instead of a loop over letters.
class CLetterProfile {
public:
    CLetterProfile() = default;
    explicit CLetterProfile(std::string_view word);

    // Whether a word with this profile needs no letter more often than a word with
    // `other` has it (the letter part of the formable test; the same-text part is
    // the caller's). Both profiles must be exact (see IsExact).
    bool FitsIn(const CLetterProfile& other) const {
        if ((m_nMask & ~other.m_nMask) != 0) {
            return false;
        }
        // Per byte, (theirs | 0x80) - mine keeps the top bit exactly when theirs >= mine;
        // no byte can borrow from its neighbour because every count is below 0x80.
        constexpr std::uint64_t kHigh = 0x8080808080808080ull;
        for (std::size_t i = 0; i < m_anCounts.size(); ++i) {
            if ((((other.m_anCounts[i] | kHigh) - m_anCounts[i]) & kHigh) != kHigh) {
                return false;
            }
        }
        return true;
    }

    std::uint32_t Mask() const { return m_nMask; }

    // False when some letter occurs 128 times or more: the packed compare cannot
    // hold such counts, so the caller must use the letter-by-letter test instead.
    bool IsExact() const { return m_bExact; }

private:
    std::array<std::uint64_t, 4> m_anCounts{};
    std::uint32_t m_nMask = 0;
    bool m_bExact = true;
};

}  // namespace lettrino
