#pragma once

#include <algorithm>
#include <bit>
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "game/engine/LetterProfile.h"

namespace lettrino {

// The letter profiles of a growing list of words, computed once per word instead of
// once per comparison. The letter bit sets are kept apart in one dense array: a scan
// over the whole dictionary then mostly touches four bytes per word.
class CLetterProfileTable {
public:
    // Profiles the entries of `words` appended since the last call.
    void CatchUp(const std::vector<std::string>& words);

    const CLetterProfile& At(std::size_t index) const { return m_profiles[index]; }

    // Calls `visit(index)` for every entry, in order, that is formable from `word`,
    // whose profile is `profile` (which must be exact), until `visit` returns false.
    template <typename Visit>
    void ForEachFormable(const std::vector<std::string>& words, const std::string& word,
                         const CLetterProfile& profile, Visit visit) const {
        const std::uint32_t missing = ~profile.Mask();
        const std::size_t count = m_anMasks.size();
        // The letter sets of 64 entries at a time are tested in a loop without
        // branches, which the compiler turns into vector instructions; only the few
        // entries that pass are looked at one by one.
        constexpr std::size_t kBlock = 64;
        std::size_t base = 0;
        for (; base + kBlock <= count; base += kBlock) {
            alignas(16) std::uint8_t pass[kBlock];
            const std::uint32_t* masks = m_anMasks.data() + base;
            for (std::size_t j = 0; j < kBlock; ++j) {
                pass[j] = (masks[j] & missing) == 0;
            }
            for (std::size_t part = 0; part < kBlock; part += 8) {
                std::uint64_t hits;
                std::memcpy(&hits, pass + part, sizeof hits);
                while (hits != 0) {
                    const std::size_t i = base + part + std::countr_zero(hits) / 8;
                    hits &= hits - 1;
                    if (!VisitIfFormable(words, word, profile, i, visit)) {
                        return;
                    }
                }
            }
        }
        for (; base < count; ++base) {
            if ((m_anMasks[base] & missing) == 0 &&
                !VisitIfFormable(words, word, profile, base, visit)) {
                return;
            }
        }
    }

private:
    // Completes the formable test for an entry whose letter set passed; false when
    // `visit` wants no more.
    template <typename Visit>
    bool VisitIfFormable(const std::vector<std::string>& words, const std::string& word,
                         const CLetterProfile& profile, std::size_t index, Visit& visit) const {
        if (!m_profiles[index].FitsIn(profile) || words[index] == word) {
            return true;
        }
        return visit(index);
    }

    std::vector<std::uint32_t> m_anMasks;
    std::vector<CLetterProfile> m_profiles;
};

}  // namespace lettrino
