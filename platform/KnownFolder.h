#pragma once

#include <string>

namespace platform {

// The special folders shortcuts are written to, by the numbers the installer's
// configuration was designed around.
enum SpecialFolder {
    kFolderDesktop = 0,   // the user's desktop
    kFolderPrograms = 2,  // the programs menu
};

// The host path of special folder `folder`, without a trailing '/'; empty when the
// folder cannot be given. With `create` set a missing folder is made with its
// missing parents (mode 0700, as the base directory rules ask), since the user's
// session reads it whether or not it existed; without it a missing folder gives
// nothing. On a freedesktop system:
// - kFolderPrograms is $XDG_DATA_HOME/applications (by default
//   ~/.local/share/applications), which every desktop's menu reads;
// - kFolderDesktop is XDG_DESKTOP_DIR of $XDG_CONFIG_HOME/user-dirs.dirs (by default
//   ~/.config), else ~/Desktop, the folders the user-dirs rules name.
// Relative values of the XDG variables are ignored, as those rules require; without
// an absolute HOME the defaults are not available. Other numbers give nothing.
std::string GetSpecialFolderPath(int folder, bool create);

// The folder `name` in the user's own data folder, $XDG_DATA_HOME (by default
// ~/.local/share): where a program keeps the files a user changes when its installed
// copies are shared by everyone. Without an absolute HOME or XDG_DATA_HOME there is
// none and the result is empty. With `create` set the folder and its missing parents
// are made (mode 0700) and the result is empty when that fails.
std::string GetUserDataFolder(const std::string& name, bool create);

}  // namespace platform
