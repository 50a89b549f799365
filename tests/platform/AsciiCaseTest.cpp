#include "platform/AsciiCase.h"

#include <gtest/gtest.h>

#include <string_view>

namespace {

TEST(EqualsIgnoringAsciiCase, FoldsTheLettersAToZAndNothingElse) {
    struct Case {
        std::string_view a;
        std::string_view b;
        bool equal;
    };
    const Case cases[] = {
        {"SETUP.INI", "setup.ini", true},
        {"Lettrino.txt", "LETTRINO.TXT", true},
        {"", "", true},
        {"abc", "abcd", false},
        {"abc", "abd", false},
        // Neighbours of the letters that a bit trick would fold with them.
        {"@", "`", false},
        {"[", "{", false},
        {"^_", "~\x7f", false},
        // Bytes beyond ASCII keep their case: names are in no known character set.
        {"\xC4", "\xE4", false},
        {"\xC4", "\xC4", true},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(platform::EqualsIgnoringAsciiCase(c.a, c.b), c.equal)
            << '"' << c.a << "\" vs \"" << c.b << '"';
    }
}

TEST(AsciiCase, ChangesLettersOnly) {
    EXPECT_EQ(platform::ToUpperAscii('c'), 'C');
    EXPECT_EQ(platform::ToUpperAscii('C'), 'C');
    EXPECT_EQ(platform::ToLowerAscii('Z'), 'z');
    for (char c : {'@', '[', '`', '{', '1', ':', '\xE4', '\xC4'}) {
        EXPECT_EQ(platform::ToUpperAscii(c), c) << static_cast<int>(c);
        EXPECT_EQ(platform::ToLowerAscii(c), c) << static_cast<int>(c);
    }
}

}  // namespace
