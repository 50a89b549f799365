#pragma once

#include <string>
#include <string_view>

namespace platform {

// What a freedesktop launcher holds for a program.
struct CDesktopEntry {
    std::string name;              // the menu or icon text
    std::string program;           // host path of the program, started without arguments
    std::string workingDirectory;  // host path
    std::string comment;           // left out of the file when empty
    std::string icon;              // host path of its picture; left out when empty
    std::string categories;        // menu categories, "Game;LogicGame;"; may be empty
};

// The launcher file's text: "[Desktop Entry]" first, LF line ends, values escaped as
// the Desktop Entry rules require, the program quoted for Exec. Empty when a value
// cannot be written faithfully: text that is not UTF-8, or control characters, which
// the format has no way to carry in these keys. An icon or a list of categories that
// cannot be written is left out instead: the launcher works without them.
// Categories are names of letters, digits, '-' and '_' separated by ';'; empty names
// are dropped and the list ends with ';', as menus expect.
std::string DesktopEntryText(const CDesktopEntry& entry);

// `path` as one argument of an Exec value, before the string escaping of the file:
// quoted whole in double quotes when it holds a blank or a reserved character, with
// '"', '`', '$' and '\' escaped by a backslash inside the quotes; '%' doubled in any
// case, since a single one would start a field code.
std::string QuoteExecArgument(std::string_view path);

}  // namespace platform
