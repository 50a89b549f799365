#include "game/engine/Scoring.h"

#include "tests/game_engine/DictionaryFixture.h"

using lettrino::AverageScore;
using lettrino::GamePercentage;
using Words = std::vector<std::string>;

TEST(Scoring, GamePercentageTruncatesAndIsNotCapped) {
    struct Case {
        int found;
        int maximum;
        int percentage;
    };
    const Case cases[] = {
        {0, 37, 0},    {1, 26, 3},    {13, 26, 50}, {25, 25, 100},
        {27, 25, 108}, {99, 100, 99}, {0, 0, 0},  // nothing found: no division at all
        {5, 0, 0},                                // no maximum: no division by zero either
    };
    for (const Case& c : cases) {
        EXPECT_EQ(GamePercentage(c.found, c.maximum), c.percentage)
            << c.found << " of " << c.maximum;
    }
}

TEST(Scoring, AverageIsTakenOverTheTotals) {
    struct Case {
        int totalFound;
        int totalMaximum;
        int average;
    };
    const Case cases[] = {
        {10, 40, 25}, {31, 70, 44},  // not the 47 of the mean of 25% and 70%
        {0, 25, 0},   {27, 25, 108}, {2, 300, 0}, {3, 0, 0},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(AverageScore(c.totalFound, c.totalMaximum), c.average)
            << c.totalFound << " of " << c.totalMaximum;
    }
}

using MissedWords = DictionaryFixture;

TEST_F(MissedWords, AreTheFormableEntriesNotFoundIgnoringCase) {
    auto dictionary = LoadWords({"RANT", "PLANTERS", "ANT", "SLANT", "RANT", "ZOO", "PLANT"});
    struct Case {
        const char* name;
        Words found;
        Words missed;
    };
    const Case cases[] = {
        {"nothing found", {}, {"RANT", "ANT", "SLANT", "RANT", "PLANT"}},
        {"found once, missed never", {"rant"}, {"ANT", "SLANT", "PLANT"}},
        {"all found", {"PLANT", "slant", "Ant", "RANT"}, {}},
        {"found words outside the dictionary",
         {"PLANS", "ANTS"},
         {"RANT", "ANT", "SLANT", "RANT", "PLANT"}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(lettrino::MissedWords(*dictionary, "PLANTERS", c.found), c.missed) << c.name;
    }
}
