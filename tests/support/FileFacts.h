#pragma once

#include <filesystem>
#include <map>
#include <string>

namespace testing_support {

// What tests compare about the entries of a folder, the same way on every system.
enum class EntryKind { File, Folder, Link, Other };

// The kind of `path`, never following a link (on Win32 any reparse point is one).
EntryKind KindOf(const std::filesystem::path& path);

// The target a link names, or "" where the system does not tell (Wine).
std::string LinkTarget(const std::filesystem::path& link);

// The file's mode and identity as text: "mode 420 inode 77" on POSIX, "inode 77"
// (the file index) on Win32, which has no modes.
std::string ModeAndInode(const std::filesystem::path& file);

// Whether the folder of `path` lists an entry of exactly its name, a link as it
// stands: where names ignore case, a file of another case is found by any name, and
// only the listing tells them apart.
bool ListedAsNamed(const std::filesystem::path& path);

// Every entry below `root`, with its path relative to it ('/' between the levels)
// and its kind; links are listed and never followed.
std::map<std::string, EntryKind> Entries(const std::filesystem::path& root);

}  // namespace testing_support
