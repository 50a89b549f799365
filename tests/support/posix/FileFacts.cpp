#include "tests/support/FileFacts.h"

#include <sys/stat.h>

namespace testing_support {

EntryKind KindOf(const std::filesystem::path& path) {
    const std::filesystem::file_status status = std::filesystem::symlink_status(path);
    return std::filesystem::is_symlink(status)     ? EntryKind::Link
           : std::filesystem::is_directory(status) ? EntryKind::Folder
           : std::filesystem::is_regular_file(status) ? EntryKind::File
                                                      : EntryKind::Other;
}

std::string LinkTarget(const std::filesystem::path& link) {
    return std::filesystem::read_symlink(link).string();
}

std::string ModeAndInode(const std::filesystem::path& file) {
    struct stat info {};
    ::stat(file.c_str(), &info);
    return "mode " + std::to_string(info.st_mode & 07777) + " inode " + std::to_string(info.st_ino);
}

}  // namespace testing_support
