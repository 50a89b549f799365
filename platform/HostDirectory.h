#pragma once

#include <string>
#include <vector>

namespace platform {

// The names of the entries of the host directory `directory`, without "." and "..",
// in the order the system gives them; empty when it cannot be read.
std::vector<std::string> ListHostDirectory(const std::string& directory);

}  // namespace platform
