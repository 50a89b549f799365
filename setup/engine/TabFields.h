#pragma once

#include <string>
#include <vector>

namespace setup {

// Splits a line of the installer's own files (the journal, the uninstall record) at
// its first `count` tabs; the last field keeps any further tabs, so a path may hold
// them.
std::vector<std::string> TabFields(const std::string& line, int count);

}  // namespace setup
