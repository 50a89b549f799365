#pragma once

#include <span>

namespace platform {

// One text of a program's string table, found by its number.
struct CStringEntry {
    int id;
    const char* text;
};

// The text of `id` in `table`; an unknown id gives the empty text, so a missing
// entry shows as a blank rather than as a crash.
constexpr const char* LookUpString(std::span<const CStringEntry> table, int id) {
    for (const CStringEntry& entry : table) {
        if (entry.id == id) {
            return entry.text;
        }
    }
    return "";
}

}  // namespace platform
