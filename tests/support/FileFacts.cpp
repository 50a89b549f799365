#include "tests/support/FileFacts.h"

namespace testing_support {

namespace {

void Walk(const std::filesystem::path& root, const std::filesystem::path& folder,
          std::map<std::string, EntryKind>& entries) {
    for (const std::filesystem::directory_entry& entry :
         std::filesystem::directory_iterator(folder)) {
        const EntryKind kind = KindOf(entry.path());
        entries[entry.path().lexically_relative(root).generic_string()] = kind;
        if (kind == EntryKind::Folder) {
            Walk(root, entry.path(), entries);
        }
    }
}

}  // namespace

bool ListedAsNamed(const std::filesystem::path& path) {
    std::error_code missing;
    for (const auto& entry : std::filesystem::directory_iterator(path.parent_path(), missing)) {
        if (entry.path().filename() == path.filename()) {
            return true;
        }
    }
    return false;
}

std::map<std::string, EntryKind> Entries(const std::filesystem::path& root) {
    std::map<std::string, EntryKind> entries;
    Walk(root, root, entries);
    return entries;
}

}  // namespace testing_support
