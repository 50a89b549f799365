#pragma once

namespace platform {

// Texts that belong to the shared run-time rather than to either program: the
// reports of failed file operations and of a help viewer that cannot start, and the
// refusal of a text longer than its field takes.
enum SystemStringId {
    IDS_SYS_FILE_GENERIC = 61000,    // "An unknown error occurred while accessing %1."
    IDS_SYS_FILE_DISK_FULL = 61001,  // "Disk full while accessing %1."
    IDS_SYS_HELP_FAILED = 61002,     // "Failed to launch help."
    IDS_SYS_MAX_CHARS = 61003,       // "Please enter no more than %1 characters."
};

// The text of `id`; an unknown id gives the empty text.
const char* LoadSystemString(int id);

}  // namespace platform
