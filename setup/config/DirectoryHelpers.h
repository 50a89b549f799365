#pragma once

#include <string>

#include "platform/StringArray.h"

namespace setup {

// The current directory of the process in Windows form; empty when it cannot be read.
std::string GetCurrentDir();

// Creates the directory `path` (a full Windows path such as C:\A\B\C) with every
// missing level, outermost first. `created` is emptied and then receives exactly the
// levels this call created, in creation order, each as it was created on disk (the
// drive letter upper case, the separators backslashes, existing levels in their case
// on disk); levels that already exist (also as files) are passed over unrecorded. On any other
// failure the levels created so far are removed again (RemoveDirectoryList), `created` is left
// empty and the result is false. A file in place of the last level gives true.
bool CreateDirectoryTree(const std::string& path, platform::CStringArray& created);

// Removes the directories of `created`, last entry first, leaving it empty. Only empty
// directories go; others stay without notice. When the list holds anything, the root
// of the current drive first becomes the current directory (and stays so), so that
// no directory of the list is in use.
void RemoveDirectoryList(platform::CStringArray& created);

// The free bytes of drive `letter` (either case) as single precision; 0 when the
// letter names no drive or its space cannot be read.
float GetFreeDiskSpace(char letter);

// The free bytes, as GetFreeDiskSpace counts them, of the file system that would
// hold the directory `path` (a full Windows path): the one of its deepest level that
// exists now. A drive letter stands for a whole file system only on the original
// platform; here a drive's folders may lie on other file systems (mounts), and the
// one that receives the files is what counts. 0 when nothing of the path exists or
// its space cannot be read.
float GetFreeDiskSpaceAt(const std::string& path);

}  // namespace setup
