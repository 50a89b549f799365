#include "game/engine/Word.h"

#include <gtest/gtest.h>

using lettrino::IsFormable;
using lettrino::PrepareWord;

TEST(PrepareWord, TrimsUpperCasesAndChecks) {
    struct Case {
        std::string source;
        bool checkLength;
        std::string target;
        bool accepted;
    };
    const Case cases[] = {
        {"  apple\t", true, "APPLE", true},
        {"Apple", true, "APPLE", true},
        {"\r\n\v\fcat \r", true, "CAT", true},
        {"ox", true, "OX", false},
        {"cat", true, "CAT", true},
        {"abcdefghijklmnop", true, "ABCDEFGHIJKLMNOP", true},
        {"abcdefghijklmnopq", true, "ABCDEFGHIJKLMNOPQ", false},
        {"abcdefghijklmnopq", false, "ABCDEFGHIJKLMNOPQ", true},
        {"ice-cream", true, "ICE-CREAM", false},
        {"don't", true, "DON'T", false},
        {"two words", true, "TWO WORDS", false},
        {"caf\xc3\xa9", true, "CAF\xc3\xa9", false},  // no upper-casing beyond a-z
        {"r2d2", true, "R2D2", false},
        {"", true, "", false},
        {"", false, "", true},
        {"   ", false, "", true},
        {"ox", false, "OX", true},
        {"a b", false, "A B", false},
        {std::string("CAT\0", 4), true, std::string("CAT\0", 4), false},
    };
    for (const Case& c : cases) {
        std::string target = "old";
        EXPECT_EQ(PrepareWord(target, c.source, c.checkLength), c.accepted) << c.source;
        EXPECT_EQ(target, c.target) << c.source;
    }
}

TEST(IsFormable, CountsLettersAsAMultiset) {
    struct Case {
        const char* candidate;
        const char* word;
        bool formable;
    };
    const Case cases[] = {
        {"PLANTERS", "PLANTERS", false},  // never formable from itself
        {"RANT", "PLANTERS", true},      {"REPLANTS", "PLANTERS", true},  // an anagram is
        {"PEPS", "PLANTERS", false},                                      // needs P twice
        {"PEPS", "PEPPERS", true},       {"ASSETS", "PLANTERS", false},
        {"", "PLANTERS", true},          // no condition on length
        {"planters", "PLANTERS", true},  // other characters are not counted at all
        {"R-A-N-T", "PLANTERS", true},   {"RANT", "r a n t", false},
        {"ZZZ", "ZZZZ", true},           {"ZZZZ", "ZZZ", false},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(IsFormable(c.candidate, c.word), c.formable) << c.candidate << " / " << c.word;
    }
}

TEST(CountLetters, CountsOnlyUpperCaseLetters) {
    lettrino::CLetterCounts counts;
    counts.fill(9);
    lettrino::CountLetters("AZZ-a?ZB", counts);
    lettrino::CLetterCounts expected{};
    expected[0] = 1;
    expected[1] = 1;
    expected[25] = 3;
    EXPECT_EQ(counts, expected);
}
