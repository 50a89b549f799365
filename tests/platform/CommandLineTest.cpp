#include "platform/CommandLine.h"

#include <gtest/gtest.h>

namespace {

TEST(CommandLineTest, SplitsByTheOriginalPlatformsRules) {
    struct Case {
        const char* line;
        std::vector<std::string> pieces;
    };
    const Case cases[] = {
        {"VIEW.EXE README.TXT", {"VIEW.EXE", "README.TXT"}},
        {"  VIEW.EXE\t a   b ", {"VIEW.EXE", "a", "b"}},
        {"\"sub dir\\VIEW.EXE\" x", {"sub dir\\VIEW.EXE", "x"}},
        // Backslashes in the program are path separators, even before a quote.
        {"sub\" \"dir\\a\\\"b", {"sub dir\\a\\b"}},
        {"P a\\\\\"b c\" d", {"P", "a\\b c", "d"}},
        {"P a\\\\\\\"b", {"P", "a\\\"b"}},
        {"P a\\b\\\\c", {"P", "a\\b\\\\c"}},
        {"P \"a \"\"quoted\"\" word\"", {"P", "a \"quoted\" word"}},
        {"P \"\" x", {"P", "", "x"}},
        {"P \"open to the end", {"P", "open to the end"}},
        {"P a\"b c\"d", {"P", "ab cd"}},
        {"", {}},
        {" \t ", {}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(platform::SplitCommandLine(c.line), c.pieces) << c.line;
    }
}

}  // namespace
