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

    // The post-copy actions. 1032 keeps its line breaks as written, the LF CR pairs
    // after "or:" included; a window showing it normalises them (LineBreaks.h).
    {IDS_ASK_DESKTOP_SHORTCUT, "Create desktop shortcut?"},
    {IDS_INSTALL_SUCCEEDED,
     "%s was successfully installed.\r\n\r\nTo run %s:\r\n\r\n"
     "1) Press the Start button with the mouse.\r\n"
     "2) Click \"Programs\" with the mouse.\r\n"
     "3) Click the %s icon with the mouse.\r\n\r\n"
     "or:\n\r\n\rDouble-click the %s desktop icon if you created one."},
    {IDS_CANNOT_REGISTER, "Cannot register %s."},
    {IDS_CANNOT_RUN_PROGRAM, "Error running program %s."},
    // Two runs into one folder would mix their files: the second one stops.
    {IDS_INSTALLATION_RUNNING,
     "Error:  Another installation into %s is running.  Wait until it has finished, then try again."},

    // The installer's windows.
    {IDS_DIRECTORY_REQUIRED, "Error:  Directory must be entered."},
    {IDS_INVALID_DIRECTORY, "Error:  \"%s\" is an invalid directory name."},
    {IDS_SETUP_DIRECTORY_IN_USE,
     "The directory you specified is being used by this setup program.\n\n"
     "Please specify a different directory."},
    {IDS_DRIVE_ENTRY, "%c:\\"},
    {IDS_CAPTION_DESCRIPTION, "&Description..."},
    {IDS_CAPTION_REQUIREMENTS, "&Requirements..."},
    {IDS_CAPTION_SETUP, "&Setup..."},
    {IDS_CAPTION_EXIT, "E&xit"},
    {IDS_CAPTION_DIRECTORY, "&Directory:"},
    {IDS_CAPTION_OK, "&OK"},
    {IDS_CAPTION_CANCEL, "&Cancel"},
    {IDS_CAPTION_YES, "&Yes"},
    {IDS_CAPTION_NO, "&No"},
    {IDS_CAPTION_YES_TO_ALL, "Yes to &All"},
    {IDS_NAME_PROGRAM_ICON, "Setup program icon: a diskette"},
    {IDS_NAME_QUESTION_ICON, "Question icon: a question mark on a green disc"},
    {IDS_DESCRIBE_DRIVE, "Drive"},
    {IDS_DESCRIBE_FOLDER, "Folder below the drive"},
    {IDS_NAME_PROGRESS, "Bytes copied"},
};

}  // namespace

const char* LoadSetupString(int id) {
    return platform::LookUpString(kStrings, id);
}

}  // namespace setup
