#include "platform/RawFileWriter.h"

#include <gtest/gtest.h>

#include "platform/TickCount.h"
#include "tests/support/TempDir.h"

#include <time.h>

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
    // /dev/full accepts the open and fails every write with "no space left".
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
        ASSERT_TRUE(writer.Create("/dev/full")) << c.name;
        EXPECT_EQ(writer.Write(std::string(c.bytes, 'x')), !c.writeFails) << c.name;
        EXPECT_FALSE(writer.Close()) << c.name;
        EXPECT_FALSE(writer.Close()) << c.name << ": the failure is kept";
    }
    CRawFileWriter syncing;
    ASSERT_TRUE(syncing.Create("/dev/full"));
    EXPECT_TRUE(syncing.Write("x"));
    EXPECT_FALSE(syncing.Sync());
    EXPECT_FALSE(syncing.Write("y")) << "nothing is written after a failure";
}

TEST(RawFileWriter, CreateFailsWhereNoFileCanBe) {
    CTempDir dir;
    CRawFileWriter writer;
    EXPECT_FALSE(writer.Create(dir.File("no-such-folder/out.txt")));
    EXPECT_FALSE(writer.Write("x"));
}

TEST(TickCount, CountsMilliseconds) {
    // Spin (no sleep) until the monotonic clock has moved on by 30 ms.
    auto now = [] {
        timespec t{};
        ::clock_gettime(CLOCK_MONOTONIC, &t);
        return static_cast<long long>(t.tv_sec) * 1000 + t.tv_nsec / 1000000;
    };
    const std::uint32_t start = platform::TickCount();
    const long long until = now() + 30;
    while (now() < until) {
    }
    const std::uint32_t elapsed = platform::TickCount() - start;
    EXPECT_GE(elapsed, 29u);
    EXPECT_LT(elapsed, 5000u);
}
