#pragma once

#include <string>

namespace platform {

// The file name of the shortcut CreateShortcut writes for `linkName`: on a
// freedesktop system `linkName`'s name part with the extension ".desktop" in place of
// its own; on Win32 the name part unchanged. Empty when it has no name before its
// extension, or the name starts with a dot (a hidden file no menu shows).
std::string LauncherFileName(const std::string& linkName);

// Whether `name` is a file name CreateShortcut can have written: one ending in
// ".desktop" on a freedesktop system, in ".lnk" (any letter case) on Win32.
bool IsLauncherFileName(const std::string& name);

// Whether the host folder `hostFolder` is one CreateShortcut writes into: the programs
// menu or the desktop, as they are now.
bool IsLauncherFolder(const std::string& hostFolder);

// Writes a shortcut to the program `target` into special folder `folder`
// (KnownFolder.h), started in `workingDirectory` (both Windows form, the program's
// name found in any letter case), described by `description` (may be empty).
// `linkName` is the shortcut's file name with its own extension ("Word Game.lnk").
//
// On a freedesktop system the shortcut is a launcher file named after `linkName`
// with the extension ".desktop"; its menu name is `linkName` without the extension.
// An existing launcher of that name is replaced in one step, unless it starts
// another program: that one is another installation's, and stays; the new launcher
// takes the first free name "<name>-2.desktop", "<name>-3.desktop", ... (or the one
// of these that starts `target` already). Since a program has no icon of its own
// there, a picture beside `target` named like it ("LETTRINO.png", else ".svg", any
// letter case) is the launcher's icon; `categories` ("Game;LogicGame;") places it in
// the menus. The launcher on the desktop is executable, since desktops refuse to
// start untrusted launchers. On Win32 it is a shell link (.lnk) file named
// `linkName`, written through the shell's own link object, which shows the program's
// own icon; `categories` has no meaning there.
// The special folder is created when it is missing.
//
// Nothing is written, without a message, when the folder is not available, when the
// link name has no name before its extension, or when a path or text cannot be put
// into a launcher faithfully; a failed write leaves any earlier launcher as it was.
// Returns the host path of the launcher written; empty when none was.
// COM is started on the calling thread for the call when nobody has started it.
std::string CreateShortcut(const std::string& target, const std::string& linkName,
                           const std::string& workingDirectory, const std::string& description,
                           int folder, const std::string& categories = {});

}  // namespace platform
