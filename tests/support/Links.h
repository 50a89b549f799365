#pragma once

#include <filesystem>

namespace testing_support {

// Links as an attacker or a user makes them, for the rows that check that nothing
// follows one: symbolic links; under Wine, which can make none, a symbolic link of the
// host's file system, which Wine shows as a reparse point where it names a folder.
void MakeFolderLink(const std::filesystem::path& target, const std::filesystem::path& link);
void MakeFileLink(const std::filesystem::path& target, const std::filesystem::path& link);

// Removes `folder` and everything in it, links as links, never what they lead to.
void RemoveTree(const std::filesystem::path& folder);

// Whether a handle of a folder keeps leading to that very folder when it is renamed
// and another takes its name: not under Wine, which finds what lies below a handle by
// the path the handle was opened with.
bool FolderHandlesFollowTheirFolder();

// Whether a link to a file shows as a link at all: not under Wine, which opens through
// a host's link to a file and reports the file itself, so a row about such a link
// cannot be tried there.
bool FileLinksAreSeen();

}  // namespace testing_support
