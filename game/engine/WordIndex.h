#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace lettrino {

// A hash set over the texts of a growing list of words, for presence tests in
// constant time. It keeps only indices into the list, so the words are stored once;
// since the list only ever grows at its end, the index catches up with it lazily.
class CWordIndex {
public:
    // Indexes the entries of `words` appended since the last call.
    void CatchUp(const std::vector<std::string>& words);

    // Whether `word` equals one of the indexed entries of `words`, byte for byte.
    bool Contains(const std::vector<std::string>& words, std::string_view word) const;

private:
    static std::uint64_t Hash(std::string_view text);
    void Grow(const std::vector<std::string>& words);

    // Entry index + 1 per slot; 0 marks a free slot. Linear probing, kept at most
    // half full, its size a power of two.
    std::vector<std::uint32_t> m_anSlots;
    std::size_t m_nIndexed = 0;
};

}  // namespace lettrino
