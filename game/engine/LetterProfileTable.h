#pragma once

#include <cstdint>
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

    void Clear();

    const CLetterProfile& At(std::size_t index) const { return m_profiles[index]; }

    // Calls `visit(index)` for every entry, in order, that is formable from `word`,
    // whose profile is `profile` (which must be exact), until `visit` returns false.
    template <typename Visit>
    void ForEachFormable(const std::vector<std::string>& words, const std::string& word,
                         const CLetterProfile& profile, Visit visit) const {
        const std::uint32_t missing = ~profile.Mask();
        const std::size_t count = m_anMasks.size();
        for (std::size_t i = 0; i < count; ++i) {
            if ((m_anMasks[i] & missing) != 0 || !m_profiles[i].FitsIn(profile) ||
                words[i] == word) {
                continue;
            }
            if (!visit(i)) {
                return;
            }
        }
    }

private:
    std::vector<std::uint32_t> m_anMasks;
    std::vector<CLetterProfile> m_profiles;
};

}  // namespace lettrino
