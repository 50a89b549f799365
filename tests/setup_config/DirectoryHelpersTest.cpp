#include "setup/config/DirectoryHelpers.h"

#ifndef _WIN32
#include <unistd.h>
#endif

#include <gtest/gtest.h>

#include "platform/DriveMap.h"
#include "platform/HostPath.h"
#include "tests/support/DriveScope.h"
#include "tests/support/FileFacts.h"

using platform::CStringArray;
using testing_support::CDriveScope;

namespace {

// A name longer than any file system allows: creating it fails for every user,
// root included.
const std::string kTooLong(300, 'L');

struct CTreeCase {
    const char* what;
    std::vector<std::string> directories;  // made before the call, below C:
    std::vector<std::string> files;        // likewise
    std::string path;
    bool result;
    CStringArray created;
    std::vector<std::string> existAfter;  // below C:
    std::vector<std::string> goneAfter;
};

}  // namespace

TEST(CreateDirectoryTree, RecordsExactlyTheLevelsItCreated) {
    const CTreeCase cases[] = {
        {"only the first level exists",
         {"A"},
         {},
         "C:\\A\\B\\C",
         true,
         {"C:\\A\\B", "C:\\A\\B\\C"},
         {"A/B/C"},
         {}},
        {"every level exists", {"A/B/C"}, {}, "C:\\A\\B\\C", true, {}, {"A/B/C"}, {}},
        {"trailing backslash", {}, {}, "C:\\A\\", true, {"C:\\A"}, {"A"}, {}},
        {"repeated backslashes", {}, {}, "C:\\A\\\\B", true, {"C:\\A", "C:\\A\\B"}, {"A/B"}, {}},
        {"lower-case drive letter", {}, {}, "c:\\a\\b", true, {"C:\\a", "C:\\a\\b"}, {"a/b"}, {}},
        {"existing level in another case",
         {"Games"},
         {},
         "C:\\GAMES\\Word",
         true,
         {"C:\\Games\\Word"},
         {"Games/Word"},
         {"GAMES"}},
        {"forward slashes", {}, {}, "C:/A/B", true, {"C:\\A", "C:\\A\\B"}, {"A/B"}, {}},
        {"file as the last level", {"A"}, {"A/B"}, "C:\\A\\B", true, {}, {"A", "A/B"}, {}},
        {"file in place of a level", {"A"}, {"A/B"}, "C:\\A\\B\\C", false, {}, {"A", "A/B"}, {}},
        {"refused level in the middle", {}, {}, "C:\\A\\" + kTooLong + "\\C", false, {}, {}, {"A"}},
        {"refused last level", {"A"}, {}, "C:\\A\\B\\" + kTooLong, false, {}, {"A"}, {"A/B"}},
        {"unmapped drive", {}, {}, "Q:\\A", false, {}, {}, {}},
    };
    for (const CTreeCase& c : cases) {
        CDriveScope scope;
        for (const std::string& directory : c.directories) {
            scope.MakeDirectories(directory);
        }
        for (const std::string& file : c.files) {
            scope.Drive().Write(file, "x");
        }
        CStringArray created = {"left over from before"};
        EXPECT_EQ(setup::CreateDirectoryTree(c.path, created), c.result) << c.what;
        EXPECT_EQ(created, c.created) << c.what;
        for (const std::string& name : c.existAfter) {
            EXPECT_TRUE(std::filesystem::exists(scope.Host(name))) << c.what << ": " << name;
        }
        for (const std::string& name : c.goneAfter) {
            EXPECT_FALSE(testing_support::ListedAsNamed(scope.Host(name))) << c.what << ": " << name;
        }
    }
}

TEST(CreateDirectoryTree, AFailureLeavesTheRootOfTheCurrentDriveCurrent) {
    CDriveScope scope;
    scope.MakeDirectories("Work");
    scope.Enter("Work");
    CStringArray created;
    EXPECT_FALSE(setup::CreateDirectoryTree("C:\\A\\" + kTooLong, created));
    EXPECT_EQ(setup::GetCurrentDir(), "C:\\");
}

#ifndef _WIN32
// A folder's permission bits are POSIX's; Win32 keeps rights in lists of their own.
TEST(CreateDirectoryTree, AccessRightsRefuseALevel) {
    if (::geteuid() == 0) {
        GTEST_SKIP() << "access rights refuse nothing to root";
    }
    CDriveScope scope;
    scope.MakeDirectories("Locked");
    std::filesystem::permissions(scope.Host("Locked"), std::filesystem::perms::owner_read |
                                                           std::filesystem::perms::owner_exec);
    CStringArray created;
    EXPECT_FALSE(setup::CreateDirectoryTree("C:\\Locked\\A\\B", created));
    EXPECT_TRUE(created.empty());
    EXPECT_FALSE(setup::CreateDirectoryTree("C:\\New\\..\\Locked\\A", created));
    EXPECT_FALSE(std::filesystem::exists(scope.Host("New")));
}
#endif

TEST(RemoveDirectoryList, RemovesDeepestFirstAndKeepsWhatIsNotEmpty) {
    struct Case {
        const char* what;
        std::string current;  // below C:, before the call
        std::vector<std::string> files;
        std::vector<std::string> goneAfter;
        std::vector<std::string> existAfter;
        std::string currentAfter;
    };
    const Case cases[] = {
        {"all empty, current inside", "A/B/C", {}, {"A/B"}, {"A"}, "C:\\"},
        {"a kept file", "A", {"A/B/keep.txt"}, {"A/B/C"}, {"A/B/keep.txt"}, "C:\\"},
    };
    for (const Case& c : cases) {
        CDriveScope scope;
        scope.MakeDirectories("A");
        CStringArray created;
        ASSERT_TRUE(setup::CreateDirectoryTree("C:\\A\\B\\C", created)) << c.what;
        ASSERT_EQ(created, (CStringArray{"C:\\A\\B", "C:\\A\\B\\C"})) << c.what;
        for (const std::string& file : c.files) {
            scope.Drive().Write(file, "x");
        }
        scope.Enter(c.current);
        setup::RemoveDirectoryList(created);
        EXPECT_TRUE(created.empty()) << c.what;
        for (const std::string& name : c.goneAfter) {
            EXPECT_FALSE(testing_support::ListedAsNamed(scope.Host(name))) << c.what << ": " << name;
        }
        for (const std::string& name : c.existAfter) {
            EXPECT_TRUE(std::filesystem::exists(scope.Host(name))) << c.what << ": " << name;
        }
        EXPECT_EQ(setup::GetCurrentDir(), c.currentAfter) << c.what;
    }
}

TEST(RemoveDirectoryList, TheRootOfTheDriveThatWasCurrentBecomesCurrent) {
    CDriveScope scope;
    scope.MakeDirectories("C/A");
    platform::MapDrive('C', scope.Host("C"));
    platform::MapDrive('D', scope.Host("D"));
    scope.MakeDirectories("D/Work");
    scope.Enter("D/Work");
    CStringArray created = {"C:\\A"};
    setup::RemoveDirectoryList(created);
    EXPECT_EQ(setup::GetCurrentDir(), "D:\\");
    EXPECT_FALSE(std::filesystem::exists(scope.Host("C/A")));

    // An empty list changes nothing, not even the current directory.
    scope.Enter("D/Work");
    setup::RemoveDirectoryList(created);
    EXPECT_EQ(setup::GetCurrentDir(), "D:\\Work");
}

TEST(GetCurrentDir, GivesTheWindowsFormOrEmpty) {
    CDriveScope scope;
    scope.MakeDirectories("Games/Word Game");
    scope.Enter("Games/Word Game");
    EXPECT_EQ(setup::GetCurrentDir(), "C:\\Games\\Word Game");
    // Win32 removes no folder that is a process's current one.
    if (!platform::kHostNamesIgnoreCase) {
        std::filesystem::remove(scope.Host("Games/Word Game"));
        EXPECT_EQ(setup::GetCurrentDir(), "");
    }
}

TEST(GetFreeDiskSpace, MeasuresMappedDrivesInEitherCase) {
    CDriveScope scope;
    const double expected =
        static_cast<double>(std::filesystem::space(scope.Drive().Path()).available);
    // Other programs may write meanwhile; allow for a little change.
    const double slack = expected * 0.01 + 1e7;
    struct Case {
        char letter;
        bool mapped;
    };
    // D: names a folder that is not there.
    platform::MapDrive('D', scope.Host("missing"));
    const Case cases[] = {{'C', true},  {'c', true},  {'Q', false},
                          {'q', false}, {'D', false}, {'1', false}};
    for (const Case& c : cases) {
        const float free = setup::GetFreeDiskSpace(c.letter);
        if (c.mapped) {
            EXPECT_NEAR(free, expected, slack) << c.letter;
        } else {
            EXPECT_EQ(free, 0.0f) << c.letter;
        }
    }
}
