#include "setup/config/StringTable.h"

namespace setup {

namespace {

struct CStringEntry {
    int id;
    const char* text;
};

// The messages about missing or bad SETUP.INI values.
constexpr CStringEntry kStrings[] = {
    {IDS_NO_DISK_SPACE_VALUE, "Warning:  Could not determine required disk space."},
    {IDS_NO_FILES_VALUE, "Error:  Files= value not specified in SETUP.INI."},
    {IDS_FILES_NOT_LISTED, "Error:  Not all files are listed in SETUP.INI."},
    {IDS_NO_NAME_VALUE, "Error:  Name item not specified in the [Setup] section in SETUP.INI."},
    {IDS_NO_SHORTCUT_VALUES,
     "Error:  ExeName and/or LnkName not specified in [Shortcuts] section in SETUP.INI."},
};

}  // namespace

const char* LoadSetupString(int id) {
    for (const CStringEntry& entry : kStrings) {
        if (entry.id == id) {
            return entry.text;
        }
    }
    return "";
}

}  // namespace setup
