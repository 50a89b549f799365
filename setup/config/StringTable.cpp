#include "setup/config/StringTable.h"

#include "platform/StringTable.h"

namespace setup {

namespace {

// The messages about missing or bad SETUP.INI values, then those of the installation run.
constexpr platform::CStringEntry kStrings[] = {
    {IDS_NO_DISK_SPACE_VALUE, "Warning:  Could not determine required disk space."},
    {IDS_NO_FILES_VALUE, "Error:  Files= value not specified in SETUP.INI."},
    {IDS_FILES_NOT_LISTED, "Error:  Not all files are listed in SETUP.INI."},
    {IDS_NO_NAME_VALUE, "Error:  Name item not specified in the [Setup] section in SETUP.INI."},
    {IDS_NO_SHORTCUT_VALUES,
     "Error:  ExeName and/or LnkName not specified in [Shortcuts] section in SETUP.INI."},

    // The installation run.
    {IDS_CANNOT_CREATE_DIRECTORY, "Error:  Could not create directory %s."},
    {IDS_NOT_ENOUGH_ROOM, "Error:  There is not enough room on drive %c to install the program."},
    {IDS_COPY_FAILED,
     "Error:  Could not copy files to the specified directory.  If your hard disk is low on "
     "space, delete some files and try again."},
    {IDS_CANNOT_COPY_FILE, "Error:  Cannot copy file %s."},
    {IDS_COPYING_FILE, "Copying file %d of %d..."},
    {IDS_CONFIRM_CANCEL, "Are you sure you want to cancel?"},
    {IDS_SETUP_CANCELLED, "Setup cancelled by user."},
    {IDS_CANNOT_ENTER_DIRECTORY, "Error:  Cannot copy file into specified directory."},
    {IDS_REMOVING_FILES, "Setup will now remove the files and directory that were created."},
    {IDS_REMOVE_FILE, "Remove %s?"},
    {IDS_REMOVE_DIRECTORY, "Remove directory %s?"},
};

}  // namespace

const char* LoadSetupString(int id) {
    return platform::LookUpString(kStrings, id);
}

}  // namespace setup
