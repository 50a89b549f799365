#include "tests/support/Links.h"

namespace testing_support {

void MakeFolderLink(const std::filesystem::path& target, const std::filesystem::path& link) {
    std::filesystem::create_directory_symlink(target, link);
}

void MakeFileLink(const std::filesystem::path& target, const std::filesystem::path& link) {
    std::filesystem::create_symlink(target, link);
}

void RemoveTree(const std::filesystem::path& folder) {
    std::error_code ignored;
    std::filesystem::remove_all(folder, ignored);
}

bool FolderHandlesFollowTheirFolder() {
    return true;
}

bool FileLinksAreSeen() {
    return true;
}

}  // namespace testing_support
