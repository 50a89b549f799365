#include "setup/config/DirectoryHelpers.h"

#include "platform/AsciiCase.h"
#include "platform/CurrentDirectory.h"
#include "platform/Directories.h"
#include "platform/DiskSpace.h"
#include "platform/WindowsPath.h"

namespace setup {

namespace {

// False when `name` could neither be created nor found existing.
// What is recorded is the directory as created on disk, so that removing the record
// removes exactly it and never a directory that differs from it in case only.
bool CreateLevel(const std::string& name, platform::CStringArray& created) {
    std::string made;
    switch (platform::MakeDirectory(name, &made)) {
        case platform::MakeDirectoryResult::kCreated:
            created.push_back(made.empty() ? name : made);
            return true;
        case platform::MakeDirectoryResult::kAlreadyExists:
            return true;
        case platform::MakeDirectoryResult::kFailed:
            break;
    }
    return false;
}

float FreeBytes(const std::string& directory) {
    platform::CDiskFreeSpace space;
    if (!platform::QueryDiskFreeSpace(directory, space)) {
        return 0.0f;
    }
    const double bytes = static_cast<double>(space.m_nSectorsPerCluster) *
                         static_cast<double>(space.m_nBytesPerSector) *
                         static_cast<double>(space.m_nFreeClusters);
    return static_cast<float>(bytes);
}

bool IsSeparator(char c) {
    return c == '\\' || c == '/';
}

}  // namespace

std::string GetCurrentDir() {
    return platform::CurrentDirectory();
}

bool CreateDirectoryTree(const std::string& path, platform::CStringArray& created) {
    created.clear();
    bool firstSeparator = true;
    for (std::size_t i = 0; i < path.size(); ++i) {
        if (!IsSeparator(path[i])) {
            continue;
        }
        // The first separator follows the drive ("C:"), which is no level to create.
        if (firstSeparator) {
            firstSeparator = false;
            continue;
        }
        if (!CreateLevel(path.substr(0, i), created)) {
            RemoveDirectoryList(created);
            return false;
        }
    }
    if (!CreateLevel(path, created)) {
        RemoveDirectoryList(created);
        return false;
    }
    return true;
}

void RemoveDirectoryList(platform::CStringArray& created) {
    if (created.empty()) {
        return;
    }
    platform::ChangeCurrentDirectory("\\");
    for (auto it = created.rbegin(); it != created.rend(); ++it) {
        platform::RemoveEmptyDirectory(*it);
    }
    created.clear();
}

float GetFreeDiskSpace(char letter) {
    return FreeBytes(std::string{platform::ToUpperAscii(letter), ':', '\\'});
}

float GetFreeDiskSpaceAt(const std::string& path) {
    std::string level = platform::AbsoluteWindowsPath(path);
    while (!level.empty() && !platform::IsDirectory(level)) {
        const std::size_t separator = level.find_last_of("\\", level.size() - 2);
        if (level.size() <= 3 || separator == std::string::npos) {
            return 0.0f;  // not even the drive's root is there
        }
        level.resize(separator + 1);
    }
    return level.empty() ? 0.0f : FreeBytes(level);
}

}  // namespace setup
