#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace lettrino {

// Puts `source` trimmed of white space at both ends and upper-cased into `target`
// and tells whether it is acceptable: only letters A-Z and, with `checkLength`,
// 3 to 16 of them. `target` receives the normalised text whatever the result.
bool PrepareWord(std::string& target, const std::string& source, bool checkLength);

// PrepareWord for a text that is not held in a string of its own.
bool PrepareWordView(std::string& target, std::string_view source, bool checkLength);

using CLetterCounts = std::array<std::uint8_t, 26>;

// How often each letter A-Z occurs in `word`; other characters are not counted.
void CountLetters(const std::string& word, CLetterCounts& counts);

// Whether `candidate` can be formed from the letters of `word`: it is not the same
// text and needs no letter more often than `word` has it.
bool IsFormable(const std::string& candidate, const std::string& word);

}  // namespace lettrino
