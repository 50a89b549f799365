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

    // After a complete copy.
    IDS_ASK_DESKTOP_SHORTCUT = 1008,
    IDS_INSTALL_SUCCEEDED = 1032,
    IDS_CANNOT_REGISTER = 1036,
    IDS_CANNOT_RUN_PROGRAM = 1037,
};

// The text of `id`; an unknown id gives the empty text.
const char* LoadSetupString(int id);

}  // namespace setup
