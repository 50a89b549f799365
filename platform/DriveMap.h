#pragma once

#include <string>
#include <vector>

namespace platform {

// The installer thinks in drive letters. On a file system without them each letter
// that means something is mapped to a host directory: by default C: is the user's
// home directory and Z: is the file-system root. Every other letter names no drive.
// On Win32 the drive letters are real: by default each drive the system has stands
// for its own root ("C:/"), and a test may still point a letter at a folder.

// The host directory that drive `letter` (either case) stands for, without a
// trailing '/' unless it is a root ("/", "C:/"); empty when the letter names no drive.
std::string DriveRoot(char letter);

// The mapped drive letters, upper case, in ascending order.
std::vector<char> MappedDrives();

// Maps `letter` to `hostDirectory`, or unmaps it when `hostDirectory` is empty.
// Tests use this to point C: at a folder of their own.
void MapDrive(char letter, const std::string& hostDirectory);

// Returns to the default map (C: = home, Z: = /; on Win32 the system's drives).
void ResetDriveMap();

}  // namespace platform
