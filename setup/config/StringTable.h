#pragma once

namespace setup {

// The installer's string table. Every text the installer shows is looked up here by
// number; the numbers of the messages are part of the program's definition.
enum StringId {
    IDS_NO_DISK_SPACE_VALUE = 1002,
    IDS_NO_FILES_VALUE = 1005,
    IDS_FILES_NOT_LISTED = 1006,
    IDS_NO_NAME_VALUE = 1009,
    IDS_NO_SHORTCUT_VALUES = 1026,

    // The installation run: directory, space, copy, cancel and rollback.
    IDS_CANNOT_CREATE_DIRECTORY = 1001,
    IDS_NOT_ENOUGH_ROOM = 1003,
    IDS_COPY_FAILED = 1004,
    IDS_CANNOT_COPY_FILE = 1007,
    IDS_COPYING_FILE = 1012,
    IDS_CONFIRM_CANCEL = 1013,
    IDS_SETUP_CANCELLED = 1014,
    IDS_CANNOT_ENTER_DIRECTORY = 1015,
    IDS_REMOVING_FILES = 1016,
    IDS_REMOVE_FILE = 1017,
    IDS_REMOVE_DIRECTORY = 1018,

    // After a complete copy.
    IDS_ASK_DESKTOP_SHORTCUT = 1008,
    IDS_INSTALL_SUCCEEDED = 1032,
    IDS_CANNOT_REGISTER = 1036,
    IDS_CANNOT_RUN_PROGRAM = 1037,
    IDS_INSTALLATION_RUNNING = 1040,

    // The installer's windows: their messages, captions and accessible names.
    IDS_DIRECTORY_REQUIRED = 2000,
    IDS_INVALID_DIRECTORY = 2001,
    IDS_SETUP_DIRECTORY_IN_USE = 2002,
    IDS_DRIVE_ENTRY = 2003,
    IDS_CAPTION_DESCRIPTION = 2010,
    IDS_CAPTION_REQUIREMENTS = 2011,
    IDS_CAPTION_SETUP = 2012,
    IDS_CAPTION_EXIT = 2013,
    IDS_CAPTION_DIRECTORY = 2014,
    IDS_CAPTION_OK = 2015,
    IDS_CAPTION_CANCEL = 2016,
    IDS_CAPTION_YES = 2017,
    IDS_CAPTION_NO = 2018,
    IDS_CAPTION_YES_TO_ALL = 2019,
    IDS_NAME_PROGRAM_ICON = 2030,
    IDS_NAME_QUESTION_ICON = 2031,
    IDS_DESCRIBE_DRIVE = 2033,
    IDS_DESCRIBE_FOLDER = 2034,
    IDS_NAME_PROGRESS = 2035,
};

// The text of `id`; an unknown id gives the empty text.
const char* LoadSetupString(int id);

}  // namespace setup
