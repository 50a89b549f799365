#include "platform/TextFileReader.h"

#ifndef _WIN32
#include <fcntl.h>
#include <sys/mman.h>
#include <unistd.h>
#endif

#include <cstring>
#include <vector>

#include <gtest/gtest.h>

#include "tests/support/TempDir.h"

using platform::CTextFileReader;
using testing_support::CTempDir;

namespace {

// All lines of `bytes` as the reader gives them; "<error>" marks a failed read.
std::vector<std::string> ReadAll(const std::string& bytes) {
    CTempDir dir;
    dir.Write("words.txt", bytes);
    CTextFileReader reader;
    EXPECT_TRUE(reader.Open(dir.File("words.txt")));
    std::vector<std::string> lines;
    std::string line;
    for (;;) {
        const CTextFileReader::Result result = reader.ReadLine(line);
        if (result == CTextFileReader::Result::End) {
            break;
        }
        if (result == CTextFileReader::Result::Error) {
            lines.push_back("<error>");
            break;
        }
        lines.push_back(line);
    }
    // The end stays the end.
    EXPECT_EQ(reader.ReadLine(line), CTextFileReader::Result::End);

    // Reading without copies gives the same lines.
    CTextFileReader viewer;
    EXPECT_TRUE(viewer.Open(dir.File("words.txt")));
    std::vector<std::string> viewed;
    std::string_view view;
    CTextFileReader::Result result;
    while ((result = viewer.ReadLineView(view)) == CTextFileReader::Result::Line) {
        viewed.emplace_back(view);
    }
    if (result == CTextFileReader::Result::Error) {
        viewed.push_back("<error>");
    }
    EXPECT_EQ(viewed, lines);
    return lines;
}

using Lines = std::vector<std::string>;

}  // namespace

TEST(TextFileReader, SplitsLinesByTheDictionaryRules) {
    const std::string longLine(200000, 'Q');
    struct Case {
        const char* name;
        std::string bytes;
        Lines expected;
    };
    const Case cases[] = {
        {"empty file", "", {}},
        {"LF", "CAT\nDOG\n", {"CAT", "DOG"}},
        {"CR LF", "CAT\r\nDOG\r\n", {"CAT", "DOG"}},
        {"last line without end", "CAT\r\nDOG", {"CAT", "DOG"}},
        {"empty lines count", "\n\r\nCAT\n\n", {"", "", "CAT", ""}},
        {"CR alone is no line end", "CAT\rDOG\r", {"CAT\rDOG\r"}},
        {"only the CR before LF goes", "CAT\r\r\n", {"CAT\r"}},
        {"CR LF split apart", "CAT\r \n", {"CAT\r "}},
        {"CTRL-Z ends the file",
         "CAT\r\n\x1A"
         "DOG\r\n",
         {"CAT"}},
        {"CTRL-Z inside a line", "CAT\nDO\x1AG\nEEL\n", {"CAT", "DO"}},
        {"CTRL-Z first",
         "\x1A"
         "CAT\n",
         {}},
        {"NUL bytes stay", std::string("A\0B\n", 4), {std::string("A\0B", 3)}},
        {"long line", longLine + "\r\nEND", {longLine, "END"}},
        {"CR LF across a block border",
         std::string(65535, 'A') + "\r\nB",
         {std::string(65535, 'A'), "B"}},
        {"LF at a block border", std::string(65536, 'A') + "\nB", {std::string(65536, 'A'), "B"}},
        {"CTRL-Z after a block border",
         std::string(70000, 'A') + "\x1A\nB",
         {std::string(70000, 'A')}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ReadAll(c.bytes), c.expected) << c.name;
    }
}

TEST(TextFileReader, OpenRefusesMissingFilesAndDirectoriesAndIgnoresCase) {
    CTempDir dir;
    dir.Write("Lettrino.txt", "CAT\n");
    CTextFileReader reader;
    EXPECT_FALSE(reader.Open(dir.File("missing.txt")));
    EXPECT_FALSE(reader.Open(dir.Path().string()));
    ASSERT_TRUE(reader.Open(dir.File("LETTRINO.TXT")));
    std::string line;
    EXPECT_EQ(reader.ReadLine(line), CTextFileReader::Result::Line);
    EXPECT_EQ(line, "CAT");
}

#ifndef _WIN32
// The read that fails after good bytes is made from POSIX's /proc; Win32 has no
// file that fails so.
TEST(TextFileReader, AFailedReadIsAnErrorNotTheEnd) {
    // Reading the process's own memory through /proc fails with EIO where the
    // address range is not mapped: a real read error after some good bytes.
    const long page = ::sysconf(_SC_PAGESIZE);
    char* memory = static_cast<char*>(
        ::mmap(nullptr, 2 * page, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0));
    ASSERT_NE(memory, MAP_FAILED);
    std::memset(memory, 'X', page);
    std::memcpy(memory, "CAT\nDOG\n", 8);
    ::munmap(memory + page, page);
    const int descriptor = ::open("/proc/self/mem", O_RDONLY);
    ASSERT_GE(descriptor, 0);
    ASSERT_EQ(::lseek(descriptor, reinterpret_cast<off_t>(memory), SEEK_SET),
              reinterpret_cast<off_t>(memory));

    CTextFileReader reader;
    reader.Attach(descriptor);
    std::string line;
    EXPECT_EQ(reader.ReadLine(line), CTextFileReader::Result::Line);
    EXPECT_EQ(line, "CAT");
    EXPECT_EQ(reader.ReadLine(line), CTextFileReader::Result::Line);
    EXPECT_EQ(line, "DOG");
    // The rest of the page has no line end; the read after it fails.
    EXPECT_EQ(reader.ReadLine(line), CTextFileReader::Result::Error);
    EXPECT_EQ(reader.ReadLine(line), CTextFileReader::Result::Error);
    reader.Close();
    ::munmap(memory, page);
}
#endif
