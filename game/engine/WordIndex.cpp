#include "game/engine/WordIndex.h"

namespace lettrino {

std::uint64_t CWordIndex::Hash(std::string_view text) {
    // FNV-1a: dictionary words are short, so a simple byte-wise hash is fastest.
    std::uint64_t hash = 0xcbf29ce484222325ull;
    for (unsigned char c : text) {
        hash = (hash ^ c) * 0x100000001b3ull;
    }
    return hash ^ (hash >> 32);
}

void CWordIndex::Grow(const std::vector<std::string>& words) {
    std::vector<std::uint32_t> old;
    old.swap(m_anSlots);
    std::size_t size = old.empty() ? 1024 : old.size() * 2;
    while (size < 2 * (words.size() + 1)) {
        size *= 2;
    }
    m_anSlots.assign(size, 0);
    const std::size_t mask = size - 1;
    for (std::uint32_t slot : old) {
        if (slot != 0) {
            std::size_t i = Hash(words[slot - 1]) & mask;
            while (m_anSlots[i] != 0) {
                i = (i + 1) & mask;
            }
            m_anSlots[i] = slot;
        }
    }
}

void CWordIndex::CatchUp(const std::vector<std::string>& words) {
    if (m_nIndexed == words.size()) {
        return;
    }
    if (2 * (words.size() + 1) > m_anSlots.size()) {
        Grow(words);
    }
    const std::size_t mask = m_anSlots.size() - 1;
    for (; m_nIndexed < words.size(); ++m_nIndexed) {
        const std::string& word = words[m_nIndexed];
        std::size_t i = Hash(word) & mask;
        bool bPresent = false;
        while (m_anSlots[i] != 0) {
            if (words[m_anSlots[i] - 1] == word) {
                bPresent = true;  // a duplicate entry: presence is all we keep
                break;
            }
            i = (i + 1) & mask;
        }
        if (!bPresent) {
            m_anSlots[i] = static_cast<std::uint32_t>(m_nIndexed + 1);
        }
    }
}

bool CWordIndex::Contains(const std::vector<std::string>& words, std::string_view word) const {
    if (m_anSlots.empty()) {
        return false;
    }
    const std::size_t mask = m_anSlots.size() - 1;
    for (std::size_t i = Hash(word) & mask; m_anSlots[i] != 0; i = (i + 1) & mask) {
        if (words[m_anSlots[i] - 1] == word) {
            return true;
        }
    }
    return false;
}

}  // namespace lettrino
