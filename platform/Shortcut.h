#pragma once

#include <string>

namespace platform {

// Writes a shortcut to the program `target` into special folder `folder`
// (KnownFolder.h), started in `workingDirectory` (both Windows form, the program's
// name found in any letter case), described by `description` (may be empty).
// `linkName` is the shortcut's file name with its own extension ("Word Game.lnk").
//
// On a freedesktop system the shortcut is a launcher file named after `linkName`
// with the extension ".desktop"; its menu name is `linkName` without the extension.
// An existing launcher of that name is replaced in one step. The launcher on the
// desktop is executable, since desktops refuse to start untrusted launchers.
//
// Nothing is written, without a message, when the folder is not available, when the
// link name has no name before its extension, or when a path or text cannot be put
// into a launcher faithfully; a failed write leaves any earlier launcher as it was.
// Returns the host path of the launcher written; empty when none was.
std::string CreateShortcut(const std::string& target, const std::string& linkName,
                           const std::string& workingDirectory,
                           const std::string& description, int folder);

}  // namespace platform
