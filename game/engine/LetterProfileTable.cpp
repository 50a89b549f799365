#include "game/engine/LetterProfileTable.h"

namespace lettrino {

void CLetterProfileTable::CatchUp(const std::vector<std::string>& words) {
    m_profiles.reserve(words.size());
    m_anMasks.reserve(words.size());
    for (std::size_t i = m_profiles.size(); i < words.size(); ++i) {
        m_profiles.emplace_back(words[i]);
        m_anMasks.push_back(m_profiles.back().Mask());
    }
}

}  // namespace lettrino
