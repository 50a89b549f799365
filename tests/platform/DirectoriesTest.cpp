#include "platform/Directories.h"

#include <gtest/gtest.h>

#include "platform/DriveMap.h"
#include "tests/support/DriveScope.h"

using platform::MakeDirectoryResult;
using testing_support::CDriveScope;

TEST(Directories, CreationTellsExistingNamesApartFromFailures) {
    CDriveScope scope;
    scope.MakeDirectories("Games");
    scope.Drive().Write("file", "x");
    struct Case {
        std::string path;
        MakeDirectoryResult result;
    };
    const Case cases[] = {
        {"C:\\Games\\New", MakeDirectoryResult::kCreated},
        {"C:\\GAMES\\NEW", MakeDirectoryResult::kAlreadyExists},
        {"c:/Trailing/", MakeDirectoryResult::kCreated},
        {"C:\\file", MakeDirectoryResult::kAlreadyExists},
        {"C:\\file\\below", MakeDirectoryResult::kFailed},
        {"C:\\Missing\\below", MakeDirectoryResult::kFailed},
        {"C:\\" + std::string(300, 'x'), MakeDirectoryResult::kFailed},
        {"Q:\\Games", MakeDirectoryResult::kFailed},
        {"C:\\", MakeDirectoryResult::kAlreadyExists},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(platform::MakeDirectory(c.path), c.result) << c.path;
    }
    EXPECT_TRUE(std::filesystem::is_directory(scope.Host("Games/New")));
    EXPECT_TRUE(std::filesystem::is_directory(scope.Host("Trailing")));
}

TEST(Directories, RemovesOnlyEmptyDirectoriesAndNeverARoot) {
    CDriveScope scope;
    scope.MakeDirectories("Empty");
    scope.MakeDirectories("Full/Sub");
    struct Case {
        std::string path;
        bool removed;
    };
    const Case cases[] = {
        {"C:\\EMPTY", true},       {"C:\\Empty", false}, {"C:\\Full", false},
        {"C:\\Full\\Sub\\", true}, {"C:\\", false},      {"C:\\Full\\..", false},
        {"Q:\\x", false},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(platform::RemoveEmptyDirectory(c.path), c.removed) << c.path;
    }
    EXPECT_TRUE(std::filesystem::is_directory(scope.Drive().Path()));
    EXPECT_TRUE(std::filesystem::is_directory(scope.Host("Full")));
}

TEST(Directories, NeverRemovesAnotherDrivesRootReachedThroughThisOne) {
    CDriveScope scope;
    platform::MapDrive('Z', scope.Drive().Path().parent_path().string());
    const std::string name = scope.Drive().Path().filename().string();
    EXPECT_FALSE(platform::RemoveEmptyDirectory("Z:\\" + name));
    EXPECT_TRUE(std::filesystem::is_directory(scope.Drive().Path()));
}
