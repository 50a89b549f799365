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
};

// The text of `id`; an unknown id gives the empty text.
const char* LoadSetupString(int id);

}  // namespace setup
