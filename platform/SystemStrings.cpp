#include "platform/SystemStrings.h"

namespace platform {

const char* LoadSystemString(int id) {
    switch (id) {
        case IDS_SYS_FILE_GENERIC:
            return "An unknown error occurred while accessing %1.";
        case IDS_SYS_FILE_DISK_FULL:
            return "Disk full while accessing %1.";
        case IDS_SYS_HELP_FAILED:
            return "Failed to launch help.";
        default:
            return "";
    }
}

}  // namespace platform
