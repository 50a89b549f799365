#pragma once

#include <string>

namespace platform {

class CDirectoryCache;

// The programs were written for a file system that ignores letter case. When the
// host path `path` does not exist as given, this looks for an existing path that
// matches it ignoring ASCII case: at each component the exact name is tried first,
// then the entries that match it ignoring case in name order, going back to the
// next choice of an earlier component whenever a later one matches nothing, until
// the whole path resolves. When no choice resolves the whole path (a new file or
// directory), the first choice in that order that resolves the most components is
// taken and the remaining components are kept as given, so a new file or directory
// lands in the existing folders and is created with the case the user typed. A relative
// path is resolved against the current directory but returned relative. On Win32 the
// file system finds any case itself and holds one entry per name: each existing level
// is taken in the case its folder lists it in, down to the first that does not exist.
std::string ResolveExistingCase(const std::string& path);

// The same, reading each directory at most once through `cache`.
std::string ResolveExistingCase(const std::string& path, CDirectoryCache& cache);

// `base` + "/" + `relative` with only the components of `relative` resolved as
// above; the directory `base` is taken exactly as given.
std::string ResolveExistingCaseBelow(const std::string& base, const std::string& relative,
                                     CDirectoryCache& cache);

}  // namespace platform
