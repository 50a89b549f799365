#include "platform/StringTable.h"

#include <gtest/gtest.h>

#include <string>

namespace {

constexpr platform::CStringEntry kTable[] = {
    {7, "seven"},
    {100, "a hundred"},
    {-1, "minus one"},
};

TEST(LookUpString, FindsEveryEntryAndGivesEmptyTextOtherwise) {
    struct Case {
        int id;
        std::string expected;
    };
    const Case cases[] = {
        {7, "seven"}, {100, "a hundred"}, {-1, "minus one"}, {0, ""}, {8, ""}, {101, ""},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(platform::LookUpString(kTable, c.id), c.expected) << c.id;
    }
    EXPECT_STREQ(platform::LookUpString({}, 7), "");
}

}  // namespace
