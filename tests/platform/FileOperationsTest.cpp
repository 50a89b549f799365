#include "platform/FileOperations.h"

#ifndef _WIN32
#include <sys/stat.h>
#endif

#include <gtest/gtest.h>

#include "platform/FileCopy.h"
#include "platform/FileIdentity.h"
#include "platform/HostPath.h"
#include "platform/PathCase.h"
#include "tests/support/TempDir.h"

using testing_support::CTempDir;

#ifndef _WIN32
// Win32's file systems find names in any letter case themselves; the lookup is
// POSIX's.
TEST(PathCase, FindsExistingComponentsIgnoringCaseAndKeepsNewOnesAsGiven) {
    CTempDir dir;
    std::filesystem::create_directories(dir.Path() / "Games" / "WordGame");
    dir.Write("Games/WordGame/Lettrino.txt", "CAT\r\n");
    // Two variants of one folder, only the second leading further.
    std::filesystem::create_directories(dir.Path() / "Pick" / "GAMES");
    std::filesystem::create_directories(dir.Path() / "Pick" / "Games" / "Sub");
    dir.Write("Pick/Games/Sub/file.txt", "x");
    const std::string base = dir.Path().generic_string();

    struct Case {
        std::string asked;
        std::string expected;
    };
    const Case cases[] = {
        {base + "/Games/WordGame/Lettrino.txt", base + "/Games/WordGame/Lettrino.txt"},
        {base + "/GAMES/wordgame/LETTRINO.TXT", base + "/Games/WordGame/Lettrino.txt"},
        {base + "/games/WORDGAME/New Folder/File", base + "/Games/WordGame/New Folder/File"},
        {base + "/Other/Games", base + "/Other/Games"},
        {base + "/GAMES/", base + "/Games/"},
        {base + "/Pick/games/sub/file.txt", base + "/Pick/Games/Sub/file.txt"},
        {base + "/Pick/GAMES/Sub/FILE.TXT", base + "/Pick/Games/Sub/file.txt"},
        {base + "/Pick/games/SUB/new.txt", base + "/Pick/Games/Sub/new.txt"},
        {base + "/Pick/games/other", base + "/Pick/GAMES/other"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(platform::ResolveExistingCase(c.asked), c.expected) << c.asked;
    }
}
#endif

TEST(FileOperations, ExistsDeleteAndRenameIgnoreLetterCase) {
    CTempDir dir;
    dir.Write("Lettrino.txt", "CAT\r\n");
    EXPECT_TRUE(platform::FileExists(dir.File("LETTRINO.TXT")));
    EXPECT_FALSE(platform::FileExists(dir.File("Lettrino.bak")));

    EXPECT_TRUE(platform::RenameFile(dir.File("lettrino.TXT"), dir.File("Lettrino.bak")));
    EXPECT_TRUE(std::filesystem::exists(dir.Path() / "Lettrino.bak"));
    EXPECT_FALSE(std::filesystem::exists(dir.Path() / "Lettrino.txt"));

    EXPECT_TRUE(platform::DeleteFile(dir.File("LETTRINO.BAK")));
    EXPECT_FALSE(platform::DeleteFile(dir.File("Lettrino.bak")));
}

TEST(FileOperations, RenameNeverReplacesAnExistingFile) {
    CTempDir dir;
    dir.Write("a", "A");
    dir.Write("b", "B");
    EXPECT_FALSE(platform::RenameFile(dir.File("a"), dir.File("B")));
    EXPECT_EQ(dir.Read("b"), "B");
    EXPECT_EQ(dir.Read("a"), "A");
}

TEST(FileOperations, CopyOverwritesAndKeepsThePermissionBits) {
    CTempDir dir;
    dir.Write("program", std::string(200000, 'x'));
    dir.Write("TARGET", "old content that is longer");
#ifndef _WIN32
    ::chmod(dir.File("program").c_str(), 0755);
    ::chmod(dir.File("TARGET").c_str(), 0600);
#endif

    ASSERT_TRUE(platform::CopyFileOverwrite(dir.File("program"), dir.File("target")));
    EXPECT_EQ(dir.Read("TARGET"), std::string(200000, 'x'));
#ifndef _WIN32
    // Permission bits are POSIX's.
    struct stat info;
    ASSERT_EQ(::stat(dir.File("TARGET").c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 07777, 0755u);
#endif

    EXPECT_FALSE(platform::CopyFileOverwrite(dir.File("missing"), dir.File("x")));
    EXPECT_FALSE(platform::CopyFileOverwrite(dir.File("program"), dir.File("no-dir/x")));
}

TEST(FileOperations, ReplaceFilePutsTheNewFileInPlaceOfTheOld) {
    CTempDir dir;
    dir.Write("Lettrino.txt", "OLD\r\n");
    dir.Write("Lettrino.tmp", "NEW\r\n");
    EXPECT_TRUE(platform::ReplaceFile(dir.File("Lettrino.tmp"), dir.File("LETTRINO.TXT")));
    EXPECT_EQ(dir.Read("Lettrino.txt"), "NEW\r\n");
    EXPECT_FALSE(std::filesystem::exists(dir.Path() / "Lettrino.tmp"));
    // Where names are bytes, the file named in another case is not made anew.
    EXPECT_NE(std::filesystem::exists(dir.Path() / "LETTRINO.TXT"), !platform::kHostNamesIgnoreCase);
    EXPECT_FALSE(platform::ReplaceFile(dir.File("Lettrino.tmp"), dir.File("Lettrino.txt")));
    EXPECT_EQ(dir.Read("Lettrino.txt"), "NEW\r\n");
}
