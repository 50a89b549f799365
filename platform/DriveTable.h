#pragma once

#include <array>
#include <string>

namespace platform {

// The table behind DriveMap.h: a host directory for each letter from A to Z, empty
// for a letter that names no drive. Looking a letter up and changing it are the same
// everywhere (DriveTable.cpp); what the table holds at first, and the form a mapped
// folder is kept in, are the system's (posix/ and win32/DriveMap.cpp).
using CDriveTable = std::array<std::string, 26>;

// The place of drive `letter` (either case) in the table; -1 when it is no letter.
int DriveSlot(char letter);

// The table as the system gives it, before any letter is mapped.
CDriveTable DefaultDriveTable();

// `hostDirectory` in the form its drive's root is kept in, so that it compares
// with the paths the system reports.
std::string DriveRootForm(const std::string& hostDirectory);

}  // namespace platform
