#include "platform/Format.h"

#include <gtest/gtest.h>

using platform::FormatString;

TEST(FormatString, FillsPrintfStyleConversions) {
    EXPECT_EQ(FormatString("&Found %d words from a maximum of %d (%d%%):", {3, 37, 8}),
              "&Found 3 words from a maximum of 37 (8%):");
    EXPECT_EQ(FormatString("Cannot load dictionary file \"%s\".", {"/opt/a b/x.txt"}),
              "Cannot load dictionary file \"/opt/a b/x.txt\".");
    EXPECT_EQ(FormatString("drive %c:", {'C'}), "drive C:");
    EXPECT_EQ(FormatString("%d", {-2147483647 - 1}), "-2147483648");
}

TEST(FormatString, FillsPositionalArguments) {
    EXPECT_EQ(FormatString("Disk full while accessing %1.", {"/tmp/d.txt"}),
              "Disk full while accessing /tmp/d.txt.");
    EXPECT_EQ(FormatString("%2 before %1", {"b", "a"}), "a before b");
}

TEST(FormatString, NeverInterpretsArgumentText) {
    // A word typed by the player may hold anything; it must come out unchanged.
    EXPECT_EQ(FormatString("Is \"%s\" a valid word?", {"%s%d%n%%"}), "Is \"%s%d%n%%\" a valid word?");
}

TEST(FormatString, ToleratesTemplatesThatDoNotMatchTheirArguments) {
    EXPECT_EQ(FormatString("%s and %s", {"one"}), "one and ");
    EXPECT_EQ(FormatString("%d", {"text"}), "text");
    EXPECT_EQ(FormatString("100%", {}), "100%");
    EXPECT_EQ(FormatString("%x %", {1}), "%x %");
    EXPECT_EQ(FormatString("%9", {1}), "");
}
