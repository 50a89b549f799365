#include "setup/config/StringTable.h"

#include "platform/StringTable.h"

namespace setup {

namespace {

// The messages about missing or bad SETUP.INI values.
constexpr platform::CStringEntry kStrings[] = {
    {IDS_NO_DISK_SPACE_VALUE, "Warning:  Could not determine required disk space."},
    {IDS_NO_FILES_VALUE, "Error:  Files= value not specified in SETUP.INI."},
    {IDS_FILES_NOT_LISTED, "Error:  Not all files are listed in SETUP.INI."},
    {IDS_NO_NAME_VALUE, "Error:  Name item not specified in the [Setup] section in SETUP.INI."},
    {IDS_NO_SHORTCUT_VALUES,
     "Error:  ExeName and/or LnkName not specified in [Shortcuts] section in SETUP.INI."},
};

}  // namespace

const char* LoadSetupString(int id) {
    return platform::LookUpString(kStrings, id);
}

}  // namespace setup
