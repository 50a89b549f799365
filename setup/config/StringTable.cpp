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
     "Error:  Another installation into %s is running.  Wait until it has finished, then try "
     "again."},
    {IDS_NO_MENU_LAUNCHER, "No launcher for %s could be written in the applications menu."},
    {IDS_NO_DESKTOP_LAUNCHER, "No launcher for %s could be written on the desktop."},
    // The uninstall: its question, its progress and its outcome.
    {IDS_UNINSTALL_QUESTION, "Remove %s from %s?"},
    {IDS_UNINSTALL_NOTHING, "There is nothing installed here: %s holds no uninstall record."},
    {IDS_UNINSTALL_DAMAGED,
     "Error:  The uninstall record %s is damaged (line %d).  Nothing was removed."},
    {IDS_UNINSTALL_REMOVING, "Removing %s..."},
    {IDS_UNINSTALL_DONE, "%s was removed from %s."},
    {IDS_UNINSTALL_KEPT,
     "These files were kept, since setup did not install them as they are now:"},
    {IDS_UNINSTALL_CANCELLED,
     "The removal of %s from %s was cancelled.  The uninstall record was kept, so that the "
     "uninstall can be run again."},
    {IDS_UNINSTALL_INCOMPLETE,
     "Error:  %s could not be removed from %s completely.  The uninstall record was kept, so "
     "that the uninstall can be run again.  Not removed:"},
    {IDS_RECOVERED,
     "An earlier run of setup in %s did not finish.  What it had changed there has been "
     "undone: the files it replaced are back, and the files it added are removed."},
    {IDS_NOT_OWN_FILE,
     "Error:  %s holds a file named \"%s\" that setup did not write.  Setup needs that name "
     "for itself; move the file away or choose another directory."},
    {IDS_RECOVERY_FAILED,
     "Error:  An earlier run of setup in %s did not finish, and what it changed there cannot "
     "be undone now.  Nothing was installed or removed; check the directory's permissions "
     "and run setup again."},

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
    // The installation without windows.
    {IDS_CONSOLE_USAGE,
     "Usage: setup [--unattended [OPTION]...]\n"
     "       setup --uninstall [DIR] [--unattended] [--remove-changed] [--log FILE] [--quiet]\n"
     "Installs the product that SETUP.INI beside this program describes, or removes\n"
     "what an installation into DIR wrote (default: the folder of this program).\n"
     "Without options the installer opens its windows.\n"
     "\n"
     "  --unattended             install without windows and without a display\n"
     "  --directory DIR          install into DIR: a drive path such as C:\\Games\\Product,\n"
     "                           a folder below drive C: such as Games\\Product, or an\n"
     "                           absolute path such as /opt/product (default: the\n"
     "                           DefaultDirectory of SETUP.INI on drive C:)\n"
     "  --desktop-launcher yes|no\n"
     "                           also put a launcher on the desktop (default: no)\n"
     "  --log FILE               append every message and step to FILE\n"
     "  --quiet                  write nothing to standard error\n"
     "  --uninstall [DIR]        remove the installation in DIR, as its record lists it;\n"
     "                           DIR in the drive form or an absolute path\n"
     "  --remove-changed         with --uninstall: also remove listed files changed since\n"
     "                           the installation (files it did not write always stay)\n"
     "  --help                   show this help and exit\n"
     "  --version                show the version and exit\n"
     "\n"
     "Drive C: is the home folder, drive Z: the root of the file system.\n"
     "\n"
     "Exit status:\n"
     "  0  installed\n"
     "  1  failed; what was installed has been removed again\n"
     "  2  cancelled by SIGINT, SIGTERM or SIGHUP (between files); removed again\n"
     "  3  usage error, a refused directory, or no readable SETUP.INI beside the program\n"
     "  4  not enough space on the drive\n"
     "  5  the folder is locked by another installation\n"
     "\n"
     "Exit status of --uninstall:\n"
     "  0  removed (changed files kept and named), or nothing installed in DIR\n"
     "  1  a file could not be removed; the record stays for another try\n"
     "  2  cancelled by SIGINT, SIGTERM or SIGHUP (between items); the record stays\n"
     "  3  usage error, or an uninstall record that cannot be read: nothing removed\n"
     "  5  the folder is locked by an installation\n"},
    {IDS_CONSOLE_VERSION,
     "setup (Lettrino) %s\n"
     "Copyright (C) 2026 the Lettrino developers\n"
     "License MIT: <https://opensource.org/license/mit>\n"
     "There is NO WARRANTY, to the extent permitted by law.\n"},
    {IDS_CONSOLE_UNKNOWN_OPTION, "setup: unknown option '%s'"},
    {IDS_CONSOLE_MISSING_VALUE, "setup: option '%s' needs a value"},
    {IDS_CONSOLE_BAD_VALUE, "setup: option '%s' does not take the value '%s'"},
    {IDS_CONSOLE_NEEDS_UNATTENDED, "setup: option '%s' is for the installation with --unattended"},
    {IDS_CONSOLE_TRY_HELP, "Try 'setup --help' for more information."},
    {IDS_CONSOLE_NO_SETUP_INI, "setup: cannot read %s"},
    {IDS_CONSOLE_CANNOT_OPEN_LOG, "setup: cannot write the log file %s"},
    {IDS_CONSOLE_NO_DRIVE, "Error:  No drive holds the directory %s."},
    {IDS_LOG_ANSWER, "%s [%s]"},
    {IDS_LOG_YES, "Yes"},
    {IDS_LOG_NO, "No"},
    {IDS_LOG_YES_TO_ALL, "Yes to All"},
    {IDS_LOG_COPIED, "Copied %s"},
    {IDS_LOG_REMOVED, "Removed %s"},
    {IDS_LOG_LAUNCHER, "Launcher written: %s"},
    {IDS_LOG_STARTED, "Started %s"},
    {IDS_LOG_INTERRUPTED, "Stop requested: the copy ends after the current file."},
    {IDS_LOG_DIRECTORY, "Installing into %s"},
    {IDS_LOG_PROGRESS, "%s of %s, file %d of %d, %s/s"},
    {IDS_LOG_MEBIBYTES, "%s MiB"},
    {IDS_LOG_NOT_COPIED, "Not copied: %s (%s)"},
    {IDS_LOG_ALREADY_GONE, "Already gone: %s"},
    {IDS_LOG_KEPT_CHANGED, "Kept, changed since it was installed: %s"},
    {IDS_LOG_KEPT_NOT_LAUNCHER, "Kept, not in a folder of launchers: %s"},
    {IDS_LOG_NOT_REMOVED, "Not removed: %s (%s)"},
    {IDS_OUTCOME_INSTALLED, "Finished: installed (exit status %d)."},
    {IDS_OUTCOME_FAILED, "Finished: failed and rolled back (exit status %d)."},
    {IDS_OUTCOME_CANCELLED, "Finished: cancelled and rolled back (exit status %d)."},
    {IDS_OUTCOME_NO_DIRECTORY, "Finished: no directory accepted (exit status %d)."},
    {IDS_OUTCOME_NOT_ENOUGH_SPACE, "Finished: not enough space (exit status %d)."},
    {IDS_OUTCOME_LOCKED, "Finished: the folder is locked by another run (exit status %d)."},
    {IDS_OUTCOME_REMOVED, "Finished: removed (exit status %d)."},
    {IDS_OUTCOME_NOTHING_INSTALLED, "Finished: nothing installed here (exit status %d)."},
    {IDS_OUTCOME_DAMAGED,
     "Finished: no usable uninstall record, nothing removed (exit status %d)."},
    {IDS_OUTCOME_UNINSTALL_CANCELLED,
     "Finished: cancelled; the rest stays installed (exit status %d)."},
    {IDS_OUTCOME_NOT_REMOVED, "Finished: not everything could be removed (exit status %d)."},
    {IDS_CONSOLE_NEEDS_UNINSTALL, "setup: option '%s' is for the uninstall with --uninstall"},
    {IDS_CONSOLE_NO_FOLDER, "setup: no folder to uninstall from: %s"},
    // The windows are a module of their own: what the system's loader said about it
    // (the module or the library it lacks) fills the gap.
    {IDS_CONSOLE_NO_WINDOWS,
     "setup: cannot open the windows (%s); add --unattended to run without windows"},
    {IDS_LOG_FILE_INCOMPLETE,
     "The log file %s is incomplete: some of its lines could not be written."},
    {IDS_LOG_STANDARD_ERROR_INCOMPLETE,
     "The log on standard error is incomplete: some of its lines could not be written."},
};

}  // namespace

const char* LoadSetupString(int id) {
    return platform::LookUpString(kStrings, id);
}

}  // namespace setup
