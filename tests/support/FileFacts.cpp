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

std::map<std::string, EntryKind> Entries(const std::filesystem::path& root) {
    std::map<std::string, EntryKind> entries;
    Walk(root, root, entries);
    return entries;
}

}  // namespace testing_support
