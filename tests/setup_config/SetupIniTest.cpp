#include "setup/config/SetupIni.h"

#include <climits>
#include <filesystem>

#include <gtest/gtest.h>

#include "platform/DriveMap.h"
#include "platform/ProgramPath.h"
#include "tests/support/DriveScope.h"

using setup::ReadIniInt;
using setup::ReadIniString;
using testing_support::CDriveScope;

namespace {

const char kWorkedExample[] =
    "[Setup]\r\n"
    "Name=Word Game\r\n"
    "Caption=Word Game Setup\r\n"
    "MainDialogText=This program installs Word Game on your computer.\r\n"
    "DefaultDirectory=WORDGAME\r\n"
    "RequiredDiskSpace=2000000\r\n"
    "\r\n"
    "[Files]\r\n"
    "Files=3\r\n"
    "File1=WORDGAME.EXE\r\n"
    "File2=WORDGAME.TXT\r\n"
    "File3=WGCTL.DLL\r\n"
    "\r\n"
    "[Register]\r\n"
    "Objects=1\r\n"
    "Object1=WGCTL.DLL\r\n"
    "\r\n"
    "[Shortcuts]\r\n"
    "ExeName=WORDGAME.EXE\r\n"
    "LnkName=Word Game.lnk\r\n"
    "\r\n"
    "[RunAfterSetup]\r\n"
    "File1=README.EXE\r\n"
    "File1Message=Setup will now show the release notes.\r\n";

// The setup program lives in C:\Setup\ with SETUP.INI holding `ini` beside it.
class SetupIniTest : public testing::Test {
protected:
    void Install(const std::string& ini, const std::string& fileName = "SETUP.INI") {
        m_scope.MakeDirectories("Setup");
        m_scope.Drive().Write("Setup/" + fileName, ini);
        platform::OverrideProgramPath(m_scope.Host("Setup/setup"));
    }

    CDriveScope m_scope;
};

}  // namespace

TEST_F(SetupIniTest, TheSetupDirectoryIsTheProgramsFolderWithABackslash) {
    Install("");
    EXPECT_EQ(setup::GetSetupDirectory(), "C:\\Setup\\");
    platform::OverrideProgramPath(platform::DriveRoot('Z') + "opt/product/setup");
    EXPECT_EQ(setup::GetSetupDirectory(), "Z:\\opt\\product\\");
}

TEST_F(SetupIniTest, ReadsTheWorkedExample) {
    Install(kWorkedExample);
    struct Case {
        const char* section;
        const char* key;
        std::string value;
    };
    const Case cases[] = {
        {"Setup", "Name", "Word Game"},
        {"setup", "caption", "Word Game Setup"},
        {"SETUP", "DEFAULTDIRECTORY", "WORDGAME"},
        {"Setup", "Description", ""},
        {"Files", "Files", "3"},
        {"Files", "File3", "WGCTL.DLL"},
        {"Files", "File4", ""},
        {"Shortcuts", "LnkName", "Word Game.lnk"},
        {"RunAfterSetup", "File1Message", "Setup will now show the release notes."},
        {"RunAfterSetup", "File2", ""},
        {"Missing", "Name", ""},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ReadIniString(c.section, c.key), c.value) << c.section << " " << c.key;
    }
    EXPECT_EQ(ReadIniInt("Register", "Objects", 0), 1);
    EXPECT_EQ(ReadIniInt("Setup", "RequiredDiskSpace", 0), 2000000);
}

TEST_F(SetupIniTest, DefaultsApplyToMissingKeysOnly) {
    Install("[Setup]\nName=\nCaption=x\n[Register]\nObjects=abc\nEmpty=\n");
    struct Case {
        const char* key;
        const char* defaultValue;
        std::string value;
    };
    const Case cases[] = {
        {"Name", "", ""},
        {"Name", "fallback", ""},
        {"Missing", "fallback", "fallback"},
        {"Caption", "fallback", "x"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ReadIniString("Setup", c.key, c.defaultValue), c.value) << c.key;
    }
    EXPECT_EQ(ReadIniInt("Register", "Objects", 9), 0);
    EXPECT_EQ(ReadIniInt("Register", "Empty", 9), 9);
    EXPECT_EQ(ReadIniInt("Register", "Missing", 9), 9);
}

// SETUP.INI means the same wherever it is read: through the system's profile reader
// where there is one, through ours elsewhere, which follows it. Integers convert as
// GetPrivateProfileInt converts them: hexadecimal, octal and binary prefixes, and a
// 32-bit number that wraps around.
TEST_F(SetupIniTest, ValuesReadAsTheSystemsProfileReaderReadsThem) {
    Install("[Setup]\r\n"
            "Name = Word Game \r\n"
            "Caption=\"Quoted\"\r\n"
            "[Register]\r\n"
            "Hex=0x10\r\n"
            "Octal=0o17\r\n"
            "Binary=0b101\r\n"
            "UpperX=0X10\r\n"
            "Past32Bits=4294967296\r\n"
            "PastInt=2147483648\r\n"
            "BelowInt=-2147483649\r\n"
            "Huge=99999999999\r\n"
            "Trailing=3abc\r\n"
            "Letters=abc\r\n"
            "Blanks=  -2\r\n"
            "Plus=+7\r\n"
            "Quoted=\"12\"\r\n"
            "Empty=\r\n");
    EXPECT_EQ(ReadIniString("Setup", "Name"), "Word Game");
    EXPECT_EQ(ReadIniString("Setup", "Caption"), "Quoted");
    struct Case {
        const char* key;
        int value;  // with the default 9
    };
    const Case cases[] = {
        {"Hex", 16},          {"Octal", 15},       {"Binary", 5},      {"UpperX", 0},
        {"Past32Bits", 0},    {"PastInt", INT_MIN}, {"BelowInt", INT_MAX},
        {"Huge", 1215752191}, {"Trailing", 3},     {"Letters", 0},     {"Blanks", -2},
        {"Plus", 7},          {"Quoted", 12},      {"Empty", 9},       {"Missing", 9},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ReadIniInt("Register", c.key, 9), c.value) << c.key;
    }
}

TEST_F(SetupIniTest, LongValuesAreCutTo1024Characters) {
    std::string value;
    for (int i = 0; i < 1500; ++i) {
        value += static_cast<char>('a' + i % 26);
    }
    Install("[Setup]\nLong=" + value + "\nExact=" + value.substr(0, 1024) + "\n");
    EXPECT_EQ(ReadIniString("Setup", "Long"), value.substr(0, 1024));
    EXPECT_EQ(ReadIniString("Setup", "Exact"), value.substr(0, 1024));
    EXPECT_EQ(ReadIniString("Setup", "Missing", value), value.substr(0, 1024));
}

TEST_F(SetupIniTest, AMissingFileReadsAsMissingKeys) {
    Install("[Setup]\nName=Word Game\n", "OTHER.INI");
    EXPECT_EQ(ReadIniString("Setup", "Name"), "");
    EXPECT_EQ(ReadIniInt("Setup", "Name", 4), 4);
}

TEST_F(SetupIniTest, TheFileNameMatchesInAnyCase) {
    Install("[Setup]\nName=Word Game\n", "Setup.ini");
    EXPECT_EQ(ReadIniString("Setup", "Name"), "Word Game");
}

TEST_F(SetupIniTest, TheCurrentDirectoryPlaysNoPart) {
    Install("[Setup]\nName=Beside the program\n");
    m_scope.MakeDirectories("Elsewhere");
    m_scope.Drive().Write("Elsewhere/SETUP.INI", "[Setup]\nName=Current directory\n");
    m_scope.Enter("Elsewhere");
    EXPECT_EQ(ReadIniString("Setup", "Name"), "Beside the program");

    // A program on no mapped drive has no setup directory; the file in the current
    // directory must still not be read.
    platform::OverrideProgramPath(m_scope.Host("Setup/setup"));
    platform::MapDrive('C', "");
    platform::MapDrive('Z', "");
    EXPECT_EQ(setup::GetSetupDirectory(), "");
    EXPECT_EQ(ReadIniString("Setup", "Name"), "");
}

TEST_F(SetupIniTest, TheFileIsReadAnewForEveryValue) {
    Install("[Setup]\nName=First\n");
    EXPECT_EQ(ReadIniString("Setup", "Name"), "First");
    m_scope.Drive().Write("Setup/SETUP.INI", "[Setup]\nName=Second\n");
    EXPECT_EQ(ReadIniString("Setup", "Name"), "Second");
}

TEST_F(SetupIniTest, AFileOver16MiBReadsAsUnreadable) {
    for (const std::size_t size : {std::size_t{16} << 20, (std::size_t{16} << 20) + 1}) {
        Install("[Setup]\nName=Sparse\n");
        std::filesystem::resize_file(m_scope.Host("Setup/SETUP.INI"), size);  // sparse
        EXPECT_EQ(ReadIniString("Setup", "Name"), size == 16u << 20 ? "Sparse" : "") << size;
    }
}
