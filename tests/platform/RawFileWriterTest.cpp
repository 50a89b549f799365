#include "platform/RawFileWriter.h"

#include <gtest/gtest.h>

#include <chrono>

#include "platform/FileOperations.h"
#include "platform/TickCount.h"
#include "tests/support/FileSystemFaults.h"
#include "tests/support/TempDir.h"

using platform::CRawFileWriter;
using testing_support::CTempDir;

TEST(RawFileWriter, WritesBytesUntranslatedAndTruncates) {
    CTempDir dir;
    dir.Write("out.txt", std::string(100000, 'z'));
    CRawFileWriter writer;
    ASSERT_TRUE(writer.Create(dir.File("OUT.TXT")));
    const std::string big(70000, 'b');
    EXPECT_TRUE(writer.Write("CAT\r\n"));
    EXPECT_TRUE(writer.Write(std::string_view("\n\0\x1A", 3)));
    EXPECT_TRUE(writer.Write(big));
    EXPECT_TRUE(writer.Sync());
    EXPECT_TRUE(writer.Write("END"));
    EXPECT_TRUE(writer.Close());
    EXPECT_EQ(dir.Read("out.txt"), "CAT\r\n" + std::string("\n\0\x1A", 3) + big + "END");
}

TEST(RawFileWriter, ReportsEveryKindOfWriteFailure) {
    // A full disk: every write that reaches it fails with "no space left".
    CTempDir dir;
    testing_support::RunOutOfSpaceAfter(0);
    struct Case {
        const char* name;
        std::size_t bytes;
        bool writeFails;  // a small write is buffered: the failure shows later
    };
    const Case cases[] = {
        {"small write fails at close", 10, false},
        {"large write fails at once", 200000, true},
    };
    for (const Case& c : cases) {
        CRawFileWriter writer;
        ASSERT_TRUE(writer.Create(dir.File("full.txt"))) << c.name;
        EXPECT_EQ(writer.Write(std::string(c.bytes, 'x')), !c.writeFails) << c.name;
        EXPECT_FALSE(writer.Close()) << c.name;
        EXPECT_FALSE(writer.Close()) << c.name << ": the failure is kept";
    }
    CRawFileWriter syncing;
    ASSERT_TRUE(syncing.Create(dir.File("full.txt")));
    EXPECT_TRUE(syncing.Write("x"));
    EXPECT_FALSE(syncing.Sync());
    EXPECT_FALSE(syncing.Write("y")) << "nothing is written after a failure";
    testing_support::ResetFileSystemCalls();
    // A disk that takes the bytes but cannot make them durable.
    testing_support::FailSyncs();
    ASSERT_TRUE(syncing.Create(dir.File("out.txt")) && syncing.Write("x"));
    EXPECT_FALSE(syncing.Sync());
    testing_support::ResetFileSystemCalls();
}

TEST(RawFileWriter, CreateFailsWhereNoFileCanBe) {
    CTempDir dir;
    CRawFileWriter writer;
    EXPECT_FALSE(writer.Create(dir.File("no-such-folder/out.txt")));
    EXPECT_FALSE(writer.Write("x"));
}

// Two saves of one file at once, their writes interleaved: each fills a file of its
// own, and the one put in place last is there whole.
TEST(RawFileWriter, ReplacementsOfOneFileNeverShareTheirNewFile) {
    CTempDir dir;
    dir.Write("Lettrino.txt", "OLD\r\n");
    const std::string target = dir.File("Lettrino.txt");
    CRawFileWriter first;
    CRawFileWriter second;
    ASSERT_TRUE(first.CreateReplacement(target));
    ASSERT_TRUE(second.CreateReplacement(target));
    const std::string a(100000, 'a');
    EXPECT_TRUE(first.Write(a.substr(0, 50000)));
    EXPECT_TRUE(second.Write(std::string(70000, 'b')));
    EXPECT_TRUE(first.Write(a.substr(50000)));
    EXPECT_TRUE(second.Close() && first.Close());
    EXPECT_TRUE(platform::ReplaceFile(second.GetPath(), target));
    EXPECT_TRUE(platform::ReplaceFile(first.GetPath(), target));
    EXPECT_EQ(dir.Read("Lettrino.txt"), a);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.Path()), {}), 1);
}

TEST(TickCount, CountsMilliseconds) {
    // Spin (no sleep) until the monotonic clock has moved on by 30 ms.
    auto now = [] {
        return std::chrono::duration_cast<std::chrono::milliseconds>(
                   std::chrono::steady_clock::now().time_since_epoch())
            .count();
    };
    const std::uint32_t start = platform::TickCount();
    const long long until = now() + 30;
    while (now() < until) {
    }
    const std::uint32_t elapsed = platform::TickCount() - start;
    EXPECT_GE(elapsed, 29u);
    EXPECT_LT(elapsed, 5000u);
}
