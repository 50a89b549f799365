#include "platform/LineBreaks.h"

#include <gtest/gtest.h>

namespace {

TEST(LineBreaksTest, EveryKindOfBreakBecomesOneLineFeed) {
    struct Case {
        const char* text;
        const char* shown;
    };
    const Case cases[] = {
        {"a\r\nb", "a\nb"},
        {"a\n\rb", "a\nb"},
        {"a\rb", "a\nb"},
        {"a\nb", "a\nb"},
        {"a\r\n\r\nb", "a\n\nb"},
        {"or:\n\r\n\rDouble-click", "or:\n\nDouble-click"},
        {"a\r\r\nb", "a\n\nb"},
        {"a\n\nb", "a\n\nb"},
        {"\r", "\n"},
        {"no break", "no break"},
        {"", ""},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(platform::NormaliseLineBreaks(c.text), c.shown) << c.text;
    }
}

}  // namespace
