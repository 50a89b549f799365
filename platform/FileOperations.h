#pragma once

#include <string>

namespace platform {

// File operations on host paths. Every path first goes through ResolveExistingCase,
// so a file is found whatever the letter case of its name's components.

bool FileExists(const std::string& path);

// Deletes a file; false when it could not be deleted (or was not there).
bool DeleteFile(const std::string& path);

// Renames `from` to `to`, replacing nothing: fails when `to` exists.
bool RenameFile(const std::string& from, const std::string& to);

// Renames `from` to `to` in one step, replacing `to` when it exists: at every moment
// `to` names either the old file or the new one, never nothing. For putting a
// completely written replacement in place.
bool ReplaceFile(const std::string& from, const std::string& to);

// Copies `from` over `to` (created or truncated), keeping `from`'s permission bits
// so that an installed program stays executable.
bool CopyFileOverwrite(const std::string& from, const std::string& to);

// Whether the running user may create and rename files in the folder `path`: false
// for a folder of another user's, one on a read-only file system, or none at all.
bool IsFolderWritable(const std::string& path);

}  // namespace platform
