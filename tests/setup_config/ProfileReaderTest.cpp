#include "setup/config/ProfileReader.h"

#include <climits>

#include <gtest/gtest.h>

#include "setup/config/CountText.h"
#include "tests/support/TempDir.h"

using setup::CProfileReader;

namespace {

struct CLookup {
    const char* what;
    std::string text;
    std::string section;
    std::string key;
    std::optional<std::string> value;
};

}  // namespace

TEST(ProfileReader, FindsValuesByTheReaderRules) {
    using namespace std::string_literals;
    const CLookup cases[] = {
        {"plain", "[Setup]\nName=Word Game\n", "Setup", "Name", "Word Game"},
        {"names in any case", "[setup]\ncaption=Setup\n", "SETUP", "Caption", "Setup"},
        {"blanks trimmed", "  [ Setup ]  \n \t Name \t=  Word Game \t\n", "Setup", "Name",
         "Word Game"},
        {"double quotes", "[S]\nK=\" padded \"\n", "S", "K", " padded "},
        {"single quotes", "[S]\nK='x'\n", "S", "K", "x"},
        {"only one pair", "[S]\nK=\"\"x\"\"\n", "S", "K", "\"x\""},
        {"unmatched quotes", "[S]\nK=\"x'\n", "S", "K", "\"x'"},
        {"a lone quote", "[S]\nK=\"\n", "S", "K", "\""},
        {"an empty quoted value", "[S]\nK=\"\"\n", "S", "K", ""},
        {"empty single quotes", "[S]\nK=''\n", "S", "K", ""},
        {"empty value", "[S]\nK=\n", "S", "K", ""},
        {"equals in value", "[S]\nK=a=b\n", "S", "K", "a=b"},
        {"comment value", "[S]\nK=a ; not a comment\n", "S", "K", "a ; not a comment"},
        {"comment line", "[S]\n;K=x\n", "S", "K", std::nullopt},
        {"indented comment", "[S]\n  ; K=x\nK=y\n", "S", "K", "y"},
        {"first key wins", "[S]\nK=1\nk=2\n", "S", "K", "1"},
        {"first section wins", "[S]\nA=1\n[s]\nA=2\nB=3\n", "S", "B", std::nullopt},
        {"first section value", "[S]\nA=1\n[s]\nA=2\n", "S", "A", "1"},
        {"other sections searched", "[S]\n[T]\n[S]\nA=1\n[U]\nA=2\n", "U", "A", "2"},
        {"key before any section", "A=1\n[S]\n", "S", "A", std::nullopt},
        {"whole names only", "[S]\nFile10=x\n", "S", "File1", std::nullopt},
        {"CR LF", "[S]\r\nA=1\r\nB=2\r\n", "S", "B", "2"},
        {"lone CR", "[S]\rA=1\rB=2", "S", "B", "2"},
        {"no final line end", "[S]\nA=last", "S", "A", "last"},
        {"byte-order mark", "\xEF\xBB\xBF[S]\nA=1\n", "S", "A", "1"},
        {"mark elsewhere is text",
         "[S]\n\xEF\xBB\xBF"
         "A=1\n",
         "S", "A", std::nullopt},
        {"line without equals", "[S]\nA\nA=1\n", "S", "A", "1"},
        {"empty key", "[S]\n=1\n", "S", "", std::nullopt},
        {"text after bracket", "[S] trailing\nA=1\n", "S", "A", "1"},
        {"no closing bracket", "[S\nA=1\n", "S", "A", "1"},
        {"NUL ends the value", "[S]\nA=ab\0cd\n"s, "S", "A", "ab"},
        {"high bytes kept", "[S]\nA=\xFF\xC3(\n", "S", "A", "\xFF\xC3("},
        {"missing section", "[S]\nA=1\n", "T", "A", std::nullopt},
    };
    for (const CLookup& c : cases) {
        EXPECT_EQ(CProfileReader(c.text).Find(c.section, c.key), c.value) << c.what;
    }
}

TEST(CountText, ConvertsLikeTheRuntimeWithoutOverflow) {
    struct Case {
        const char* text;
        int count;
    };
    const Case cases[] = {
        {"3", 3},
        {"3abc", 3},
        {"abc", 0},
        {"0", 0},
        {"", 0},
        {"-2", -2},
        {"+7", 7},
        {" \t\r\n12", 12},
        {"- 3", 0},
        {"--3", 0},
        {"1 2", 1},
        {"007", 7},
        {"2147483647", INT_MAX},
        {"2147483648", INT_MAX},
        {"99999999999999999999999", INT_MAX},
        {"-2147483648", INT_MIN},
        {"-99999999999999999999999", INT_MIN},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(setup::CountFromText(c.text), c.count) << c.text;
    }
}

TEST(ProfileReader, ReadsAFileAndTreatsAnUnreadableOneAsEmpty) {
    testing_support::CTempDir dir;
    dir.Write("SETUP.INI", "[Setup]\r\nName=Word Game\r\n");
    EXPECT_EQ(CProfileReader::FromFile(dir.File("SETUP.INI")).Find("Setup", "Name"), "Word Game");
    for (const std::string& path : {dir.File("missing.ini"), dir.Path().string()}) {
        EXPECT_EQ(CProfileReader::FromFile(path).Find("Setup", "Name"), std::nullopt) << path;
    }
}
