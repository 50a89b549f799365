#pragma once

#include <string>
#include <vector>

#include "platform/StringArray.h"

namespace lettrino {

class CDictionary;

// The percentage of one game: found * 100 / maximum, truncated; 0 when nothing was
// found (or there is no maximum). Not capped at 100: words added to the dictionary
// during a game count too.
int GamePercentage(int found, int maximum);

// The running average over the totals of all games quit in this run, truncated.
// 0 while no game has been started (`totalMaximum` not positive).
int AverageScore(int totalFound, int totalMaximum);

// The entries formable from `puzzleWord`, in dictionary order, that have no equal
// (ignoring letter case) in `found`.
platform::CStringArray MissedWords(const CDictionary& dictionary, const std::string& puzzleWord,
                                   const std::vector<std::string>& found);

}  // namespace lettrino
