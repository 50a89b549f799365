#pragma once

#include <string>
#include <vector>

namespace platform {

// An ordered array of owned strings, as the programs pass word lists and path
// records between their parts.
using CStringArray = std::vector<std::string>;

}  // namespace platform
