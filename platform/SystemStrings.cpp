#include "platform/SystemStrings.h"

#include "platform/StringTable.h"

namespace platform {

namespace {

constexpr CStringEntry kStrings[] = {
    {IDS_SYS_FILE_GENERIC, "An unknown error occurred while accessing %1."},
    {IDS_SYS_FILE_DISK_FULL, "Disk full while accessing %1."},
    {IDS_SYS_HELP_FAILED, "Failed to launch help."},
    {IDS_SYS_MAX_CHARS, "Please enter no more than %1 characters."},
};

}  // namespace

const char* LoadSystemString(int id) {
    return LookUpString(kStrings, id);
}

}  // namespace platform
