// Whether two host paths name one file or directory: by what the file system says,
// also through links and for paths that do not exist yet.
#include <gtest/gtest.h>

#include <filesystem>

#include "platform/FileIdentity.h"
#include "tests/support/Links.h"
#include "tests/support/TempDir.h"

namespace {

using platform::SameFileOrDirectory;

struct CIdentityCase {
    const char* a;  // below the test's folder; "" stands for nothing at all
    const char* b;
    bool bSame;
};

TEST(FileIdentityTest, ComparesWhatTheFileSystemSaysNotTheText) {
    testing_support::CTempDir dir;
    std::filesystem::create_directories(dir.Path() / "Setup" / "Sub");
    testing_support::MakeFolderLink(dir.Path() / "Setup", dir.Path() / "Link");
    dir.Write("Setup/file.txt", "x");
    for (const CIdentityCase row : {
             CIdentityCase{"Setup", "Setup", true},
             CIdentityCase{"Setup", "Setup/", true},
             CIdentityCase{"Setup", "Setup/Sub/..", true},
             CIdentityCase{"Setup", "Link", true},
             CIdentityCase{"Link/file.txt", "Setup/file.txt", true},
             CIdentityCase{"Setup", "Setup/Sub", false},
             CIdentityCase{"Setup", "Other", false},
             // Not there yet: the nearest existing folder plus the rest of the path.
             CIdentityCase{"Link/New/Deeper", "Setup/New/Deeper", true},
             CIdentityCase{"Link/New", "Setup/Newer", false},
             CIdentityCase{"Setup/New", "Setup", false},
             CIdentityCase{"Setup", "", false},
         }) {
        const std::string a = *row.a ? dir.File(row.a) : std::string();
        const std::string b = *row.b ? dir.File(row.b) : std::string();
        EXPECT_EQ(SameFileOrDirectory(a, b), row.bSame) << row.a << " / " << row.b;
        EXPECT_EQ(SameFileOrDirectory(b, a), row.bSame) << row.b << " / " << row.a;
    }
}

}  // namespace
