// The install folder's descriptor keeps every removal and write below it, whatever
// the names say and whatever lies on the way, on kernels with openat2 and on those
// without it (the level-by-level walk), with the same table.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "platform/InstallFolder.h"
#include "tests/support/FileSystemFaults.h"
#include "tests/support/Links.h"
#include "tests/support/TempDir.h"

namespace {

namespace fs = std::filesystem;

struct CNameCase {
    const char* what;
    std::string relative;
};

// Names a damaged or hostile record could hold; each would reach "victim" beside
// the folder, or a file through a link, if a level were not checked whole.
const CNameCase kHostile[] = {
    {"a NUL after a level that leads up", std::string("..\0/victim", 10)},
    {"a NUL after the only level", std::string("Sub\0/../../victim", 17)},
    {"a level that leads up", "../victim"},
    {"a dot level", "./Sub/../../victim"},
    {"an empty level", "Sub//../../victim"},
    {"a control character", "Sub\n/../../victim"},
    {"a link two levels below", "Sub/Out/victim"},
    {"a link above the last folder", "Out/Deep/victim"},
    {"a link as the last folder", "Out/victim"},
};

class InstallFolderNames : public ::testing::TestWithParam<bool> {
protected:
    void SetUp() override { platform::TakeLevelWalk(GetParam()); }
    void TearDown() override { platform::TakeLevelWalk(false); }
};

TEST_P(InstallFolderNames, NoHostileNameLeadsOutOfTheFolder) {
    for (const CNameCase& row : kHostile) {
        SCOPED_TRACE(row.what);
        testing_support::CTempDir temp;
        temp.Write("victim", "not the installer's\n");
        fs::create_directories(temp.Path() / "Deep");
        temp.Write("Deep/victim", "not the installer's\n");
        fs::create_directories(temp.Path() / "Folder/Sub");
        temp.Write("Folder/Sub/kept", "inside\n");
        testing_support::MakeFolderLink(temp.Path(), temp.Path() / "Folder/Sub/Out");
        testing_support::MakeFolderLink(temp.Path(), temp.Path() / "Folder/Out");
        platform::CInstallFolder folder;
        ASSERT_TRUE(folder.Open(temp.File("Folder/")));
        std::string contents;
        std::uint64_t size = 0;
        EXPECT_FALSE(folder.RemoveFile(row.relative));
        EXPECT_FALSE(folder.ReadWhole(row.relative, 1024, contents));
        EXPECT_FALSE(folder.DigestFile(row.relative, size, contents));
        EXPECT_FALSE(folder.WriteWhole(row.relative, "overwritten\n"));
        EXPECT_EQ(temp.Read("victim"), "not the installer's\n");
        EXPECT_EQ(temp.Read("Deep/victim"), "not the installer's\n");
        EXPECT_FALSE(folder.RemoveFolder(std::string(row.relative).append("/..")));
        EXPECT_TRUE(fs::exists(temp.Path() / "Folder/Sub/kept"));
    }
}

// A trailing separator must not make the kernel follow a link that names the folder.
TEST_P(InstallFolderNames, AFolderNamedThroughALinkIsNotOpened) {
    testing_support::CTempDir temp;
    fs::create_directory(temp.Path() / "Real");
    testing_support::MakeFolderLink(temp.Path() / "Real", temp.Path() / "Link");
    platform::CInstallFolder folder;
    EXPECT_FALSE(folder.Open(temp.File("Link/")));
    EXPECT_TRUE(folder.Open(temp.File("Real/")));
}

// How the kernel may take a copy: all of it, not at all (media on another file
// system, an old kernel), or a little at a time.
struct CPlaceCase {
    const char* what;
    void (*arm)();
    bool bAppeared = false;  // a file took the name after the folder was listed
};

const CPlaceCase kPlacements[] = {
    {"across file systems", testing_support::DeclineTheSystemsCopy},
    {"without the kernel's copy, in short writes", testing_support::ShortWrites},
    {"a file appeared at the name", [] {}, true},
};

TEST_P(InstallFolderNames, PlacesEveryByteOrNothing) {
    std::string bytes;
    for (std::size_t i = 0; bytes.size() < 2 * platform::kCopyChunk + 777; ++i) {
        bytes += std::to_string(i * 7919) + ",";
    }
    for (const CPlaceCase& row : kPlacements) {
        SCOPED_TRACE(row.what);
        testing_support::CTempDir temp;
        temp.Write("source.bin", bytes);
        fs::create_directories(temp.Path() / "Folder");
        platform::CInstallFolder folder;
        ASSERT_TRUE(folder.Open(temp.File("Folder")));
        if (row.bAppeared) {
            temp.Write("Folder/target.bin", "the user's\n");
        }
        row.arm();
        platform::CPlacement placement;
        const auto result = folder.PlaceFile(temp.File("source.bin"), "target.bin", nullptr,
                                             row.bAppeared, nullptr, placement);
        testing_support::ResetFileSystemCalls();
        EXPECT_EQ(result, row.bAppeared ? platform::FileCopyResult::kNotWritten
                                        : platform::FileCopyResult::kCopied)
            << folder.LastFailure();
        EXPECT_EQ(temp.Read("Folder/target.bin"), row.bAppeared ? "the user's\n" : bytes);
        EXPECT_EQ(std::distance(fs::directory_iterator(temp.Path() / "Folder"), {}), 1);
    }
}

INSTANTIATE_TEST_SUITE_P(Kernels, InstallFolderNames, ::testing::Values(false, true),
                         [](const auto& info) { return info.param ? "LevelWalk" : "Openat2"; });

}  // namespace
