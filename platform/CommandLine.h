#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace platform {

// Splits a command line into the program and its arguments by the rules of the
// platform the installer was written for, so that a SETUP.INI line means the same
// here. Blanks (space, tab) separate the pieces outside double quotes; double quotes
// group and are dropped.
// - The program, the first piece, is a path: backslashes in it are literal.
// - In the arguments, 2n backslashes before a double quote give n backslashes and the
//   quote groups; 2n+1 give n backslashes and a literal quote; backslashes before any
//   other character are literal; inside quotes, two double quotes give one literal one.
// A quoted empty piece ("") is an empty argument. An empty or blank line gives nothing.
std::vector<std::string> SplitCommandLine(std::string_view commandLine);

// The arguments of `commandLine` as they are written: what follows the program's
// piece and the blanks after it. A program started with this text splits it into the
// same arguments as SplitCommandLine does.
std::string_view ArgumentText(std::string_view commandLine);

}  // namespace platform
