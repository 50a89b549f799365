#include "platform/WindowsPath.h"

#include <gtest/gtest.h>

#include "platform/CurrentDirectory.h"
#include "platform/DriveMap.h"
#include "platform/FullPath.h"
#include "platform/HostPath.h"
#include "tests/support/DriveScope.h"

using testing_support::CDriveScope;

namespace {

// The host folder that drive Z: stands for: the root of the file system on POSIX,
// its own root under Wine, which maps Z: to the host's root.
const std::string kZ = platform::DriveRoot('Z');

}  // namespace

TEST(DriveMap, ListsMappedDrivesInLetterOrder) {
    CDriveScope scope;
    EXPECT_EQ(platform::MappedDrives(), (std::vector<char>{'C', 'Z'}));
    platform::MapDrive('d', scope.Host("d"));
    platform::MapDrive('A', scope.Host("a"));
    EXPECT_EQ(platform::MappedDrives(), (std::vector<char>{'A', 'C', 'D', 'Z'}));
    EXPECT_EQ(platform::DriveRoot('c'), scope.Drive().Path().generic_string());
    platform::MapDrive('C', "");
    EXPECT_EQ(platform::MappedDrives(), (std::vector<char>{'A', 'D', 'Z'}));
    EXPECT_EQ(platform::DriveRoot('C'), "");
    EXPECT_EQ(platform::DriveRoot('?'), "");
}

TEST(WindowsPath, HostPathsTakeTheirShortestMappedForm) {
    CDriveScope scope;
    const std::string drive = scope.Drive().Path().generic_string();
    struct Case {
        std::string host;
        std::string windows;
    };
    // Beside C:'s folder: below Z: on POSIX, where Z: is the root of all; on no
    // drive on Win32, where Z: is a drive of its own.
    const std::string beside = platform::kHostNamesIgnoreCase ? "" : "Z:" + drive + "-other/file";
    const Case cases[] = {
        {drive, "C:\\"},
        {drive + "/Games/Word Game", "C:\\Games\\Word Game"},
        {drive + "/Games/", "C:\\Games\\"},
        {drive + "//Games/./x/../Setup", "C:\\Games\\Setup"},
        {drive + "-other/file", beside},
        {kZ + "usr/bin", "Z:\\usr\\bin"},
        {kZ, "Z:\\"},
    };
    for (Case c : cases) {
        for (char& ch : c.windows) {
            ch = (ch == '/') ? '\\' : ch;
        }
        EXPECT_EQ(platform::ToWindowsPath(c.host), c.windows) << c.host;
    }
    platform::MapDrive('Z', "");
    EXPECT_EQ(platform::ToWindowsPath(kZ + "usr/bin"), "");
}

TEST(WindowsPath, WindowsPathsNameHostPathsIgnoringCase) {
    CDriveScope scope;
    scope.MakeDirectories("Games/Word Game");
    const std::string drive = scope.Drive().Path().generic_string();
    struct Case {
        std::string windows;
        std::string host;
    };
    const Case cases[] = {
        {"C:\\", drive},
        {"c:\\GAMES\\word game", drive + "/Games/Word Game"},
        {"C:/games/New Folder/", drive + "/Games/New Folder/"},
        {"C:\\Games\\..\\Other", drive + "/Other"},
        {"Z:\\usr", kZ + "usr"},
        {"Q:\\Games", ""},
        {"\\\\server\\share", ""},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(platform::ToHostPath(c.windows), c.host) << c.windows;
    }
}

TEST(FullPath, ResolvesByTheOriginalRules) {
    CDriveScope scope;
    scope.MakeDirectories("Work");
    scope.Enter("Work");
    struct Case {
        std::string path;
        bool ok;
        std::string full;
    };
    const std::string name255(255, 'n');
    const Case cases[] = {
        {"", true, "C:\\Work"},
        {".", true, "C:\\Work"},
        {"..", true, "C:\\"},
        {"a\\b", true, "C:\\Work\\a\\b"},
        {"a/b/", true, "C:\\Work\\a\\b\\"},
        {"\\", true, "C:\\"},
        {"\\x\\..\\..\\y", true, "C:\\y"},
        {"c:\\A\\\\B\\.\\C", true, "C:\\A\\B\\C"},
        {"C:\\A\\B\\..", true, "C:\\A"},
        {"C:", true, "C:\\Work"},
        {"C:sub", true, "C:\\Work\\sub"},
        {"D:sub", true, "D:\\sub"},
        {"Q:\\Games", true, "Q:\\Games"},
        {"q:/Games/Word Game/", true, "Q:\\Games\\Word Game\\"},
        {"\\\\server\\share", false, ""},
        {"C:\\" + name255 + "x", true, "C:\\" + name255 + "x"},  // 259 characters
        {"C:\\" + name255 + "xy", false, ""},                    // 260 characters
        {"C:\\" + name255 + "xy\\..", true, "C:\\"},
    };
    for (const Case& c : cases) {
        std::string full = "untouched";
        EXPECT_EQ(platform::ResolveFullPath(c.path, full), c.ok) << c.path;
        EXPECT_EQ(full, c.ok ? c.full : "untouched") << c.path;
    }
}

TEST(CurrentDirectory, ChangesAndReadsInWindowsForm) {
    CDriveScope scope;
    scope.MakeDirectories("Games/Word Game");
    scope.Drive().Write("file", "x");
    scope.Enter("");
    struct Case {
        std::string target;
        bool ok;
        std::string current;  // afterwards
    };
    const Case cases[] = {
        {"c:\\GAMES", true, "C:\\Games"},
        {"word game", true, "C:\\Games\\Word Game"},
        {"\\", true, "C:\\"},
        {"C:\\Missing", false, "C:\\"},
        {"C:\\file", false, "C:\\"},
        {"Q:\\", false, "C:\\"},
        {"Z:\\", true, "Z:\\"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(platform::ChangeCurrentDirectory(c.target), c.ok) << c.target;
        EXPECT_EQ(platform::CurrentDirectory(), c.current) << c.target;
    }
}
