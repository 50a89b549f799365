// The directory dialog: the drive list, and the OK checks in their order with their
// messages, the field selected and focused after each refusal, and the refusal of
// the setup program's own folder under any spelling.
#include <algorithm>
#include <filesystem>
#include <optional>
#include <ostream>

#include "framework/Edit.h"
#include "platform/DriveMap.h"
#include "setup/ui/DialogInstallerWindows.h"
#include "setup/ui/DirectoryDlg.h"
#include "setup/ui/DriveComboBox.h"
#include "setup/ui/Resource.h"
#include "tests/setup_ui/SetupFixture.h"

namespace setup_ui_test {
namespace {

using namespace setup;
using namespace testing_support;

const std::string kRequired = "Error:  Directory must be entered.";
const std::string kInUse =
    "The directory you specified is being used by this setup program.\n\n"
    "Please specify a different directory.";
const std::string kTooLong = "Please enter no more than 256 characters.";
const std::string kLong(257, 'A');
// Multi-byte characters: the field counts 200, the full path needs over 400 bytes.
const std::string kWide = [] {
    std::string wide;
    for (int i = 0; i < 200; ++i) {
        wide += "\u00E9";
    }
    return wide;
}();
// Typed in place of the setup folder C:\Setup as the root drive Z: spells it.
constexpr const char* kSetupBelowZ = "<setup below Z:>";

std::string Invalid(const std::string& combined) {
    return "Error:  \"" + combined + "\" is an invalid directory name.";
}

// Drives and folders a case needs.
struct Arrange {
    static void LinkToSetup(CSetupFixture& f) {
        std::filesystem::create_directory_symlink(f.m_drive.Host("Setup"), f.m_drive.Host("Link"));
    }
    static void DriveD(CSetupFixture& f) {
        f.m_drive.MakeDirectories("D");
        platform::MapDrive('D', f.m_drive.Host("D"));
    }
    static void NoDrives(CSetupFixture&) {
        for (const char letter : platform::MappedDrives()) {
            platform::MapDrive(letter, std::string());
        }
    }
};

struct CCheckCase {
    const char* name;
    const char* defaultDirectory;      // nullptr: no DefaultDirectory key
    std::optional<std::string> typed;  // over the default; nothing: the default stays
    const char* drive;                 // the entry to select; nullptr keeps the preselection
    std::string message;               // empty when OK passes
    const char* fullPath;              // the result when OK passes
    void (*arrange)(CSetupFixture&) = nullptr;
    friend void PrintTo(const CCheckCase& c, std::ostream* os) { *os << c.name; }
};

class DirectoryCheckTest : public CSetupFixture,
                           public ::testing::WithParamInterface<CCheckCase> {};

TEST_P(DirectoryCheckTest, RunsTheChecksInOrderAndKeepsTheDialogOpenOnRefusal) {
    const CCheckCase& c = GetParam();
    if (c.arrange) {
        c.arrange(*this);
    }
    WriteIni(
        std::string("[Setup]\nCaption=Word Game Setup\n") +
        (c.defaultDirectory ? "DefaultDirectory=" + std::string(c.defaultDirectory) + "\n" : ""));
    const bool bRefused = !c.message.empty();
    if (bRefused) {
        m_ui.Answer(platform::MessageResult::Ok);
    }
    m_ui.OnNextDialog([&](framework::CDialog& dialog) {
        auto& directory = dynamic_cast<CDirectoryDlg&>(dialog);
        auto* pField = directory.GetDlgItemAs<framework::CEdit>(IDC_DIRECTORY);
        if (c.typed) {
            pField->SetWindowText(*c.typed == kSetupBelowZ ? m_drive.Host("Setup").substr(1)
                                                           : *c.typed);
        }
        if (c.drive) {
            int nIndex = directory.m_cboDrive->GetCount() - 1;
            while (nIndex >= 0 && directory.m_cboDrive->GetLBText(nIndex) != c.drive) {
                --nIndex;
            }
            ASSERT_GE(nIndex, 0) << c.drive;
            directory.m_cboDrive->SetCurSel(nIndex);
        }
        pField->SetSel(0, 0);
        directory.GetDlgItem(framework::CommandCancel)->SetFocus();
        const std::string fieldText = pField->GetWindowText();
        ClickItem(directory, framework::CommandOk);
        if (!directory.IsEnded()) {
            int nStart = -1, nEnd = -1;
            pField->GetSel(nStart, nEnd);
            EXPECT_EQ(directory.GetFocusedControl(), pField);
            // The whole text, in characters: every byte but a UTF-8 continuation byte.
            const auto nChars = std::count_if(fieldText.begin(), fieldText.end(),
                                              [](char b) { return (b & 0xC0) != 0x80; });
            EXPECT_EQ(std::pair(nStart, nEnd), std::pair(0, static_cast<int>(nChars)));
            EXPECT_EQ(pField->GetWindowText(), fieldText);  // the user's input stays
            ClickItem(directory, framework::CommandCancel);
        }
    });
    std::string fullPath = "untouched";
    EXPECT_EQ(CDialogInstallerWindows().ChooseDirectory(fullPath), !bRefused);
    EXPECT_EQ(fullPath, bRefused ? "untouched" : c.fullPath);
    std::vector<std::string> shown{"[103]"};
    if (bRefused) {
        shown.push_back(c.message);
        EXPECT_EQ(m_ui.Transcript().back().icon, platform::MessageIcon::Exclamation);
    }
    EXPECT_EQ(Shown(), shown);
}

const std::vector<CCheckCase> kCheckCases = {
        CCheckCase{"NoDefaultIsEmpty", nullptr, std::nullopt, nullptr, kRequired, ""},
        CCheckCase{"TypedEmpty", "WORDGAME", "", nullptr, kRequired, ""},
        // A default longer than the field takes is shown whole, then refused once.
        CCheckCase{"DefaultTooLong", kLong.c_str(), std::nullopt, nullptr, kTooLong, ""},
        CCheckCase{"InvalidQuotesTheCombinedPath", "WORDGAME", kWide, nullptr,
                   Invalid("C:\\" + kWide), ""},
        CCheckCase{"NoDrivesTheTextStandsAlone", "WORDGAME", "WORDGAME", nullptr,
                   Invalid("WORDGAME"), "", Arrange::NoDrives},
        CCheckCase{"SetupFolder", "Setup", std::nullopt, nullptr, kInUse, ""},
        CCheckCase{"SetupFolderOtherCase", "WORDGAME", "sETUP", nullptr, kInUse, ""},
        CCheckCase{"SetupFolderTrailingBackslash", "WORDGAME", "SETUP\\", nullptr, kInUse, ""},
        CCheckCase{"SetupFolderRoundabout", "WORDGAME", "Other\\..\\Setup", nullptr, kInUse, ""},
#ifndef _WIN32
        // Links to folders, and Z: as the root of the host's tree, are the host's: a
        // Windows user makes no folder links without rights of his own.
        CCheckCase{"SetupFolderThroughALink", "WORDGAME", "link", nullptr, kInUse, "",
                   Arrange::LinkToSetup},
        CCheckCase{"SetupFolderOnDriveZ", "WORDGAME", kSetupBelowZ, "Z:\\", kInUse, ""},
        CCheckCase{"NewFolderBelowTheLink", "WORDGAME", "Link\\New", nullptr, "", "C:\\Link\\New",
                   Arrange::LinkToSetup},
#endif
        CCheckCase{"SubfolderOfSetup", "Setup\\Product", std::nullopt, nullptr, "",
                   "C:\\Setup\\Product"},
        CCheckCase{"OtherDrive", "WORDGAME", "PRODUCT", "D:\\", "", "D:\\PRODUCT", Arrange::DriveD},
        CCheckCase{"BlanksAreNotEmpty", "WORDGAME", "  ", nullptr, "", "C:\\  "}};

INSTANTIATE_TEST_SUITE_P(Checks, DirectoryCheckTest, ::testing::ValuesIn(kCheckCases), kCaseName);

struct CDriveCase {
    const char* name;
    std::vector<std::pair<char, bool>> mapping;  // letter, mapped (true) or unmapped
    std::vector<std::string> entries;
    int nSelected;
    friend void PrintTo(const CDriveCase& c, std::ostream* os) { *os << c.name; }
};

class DriveListTest : public CSetupFixture, public ::testing::WithParamInterface<CDriveCase> {};

TEST_P(DriveListTest, OneEntryPerDriveWithCPreselected) {
    for (const auto& [letter, bMapped] : GetParam().mapping) {
        platform::MapDrive(letter, bMapped ? m_drive.Drive().Path().string() : std::string());
    }
    CDirectoryDlg dialog;
    dialog.CreateAndInitialize();
    ASSERT_NE(dialog.m_cboDrive, nullptr);
    std::vector<std::string> entries;
    for (int i = 0; i < dialog.m_cboDrive->GetCount(); ++i) {
        entries.push_back(dialog.m_cboDrive->GetLBText(i));
    }
    EXPECT_EQ(entries, GetParam().entries);
    EXPECT_EQ(dialog.m_cboDrive->GetCurSel(), GetParam().nSelected);
    EXPECT_EQ(dialog.GetFocusedControl(), dialog.m_cboDrive);  // the first tab stop
}

INSTANTIATE_TEST_SUITE_P(
    Drives, DriveListTest,
    ::testing::Values(
        CDriveCase{"CAndZ", {}, {"C:\\", "Z:\\"}, 0},
        CDriveCase{"CNotFirst", {{'A', true}, {'D', true}}, {"A:\\", "C:\\", "D:\\", "Z:\\"}, 1},
        CDriveCase{"WithoutC", {{'C', false}, {'D', true}}, {"D:\\", "Z:\\"}, 0},
        CDriveCase{"None", {{'C', false}, {'Z', false}}, {}, -1}),
    kCaseName);

using DirectoryDialogTest = CSetupFixture;

// Escape and the close box cancel without any check, even of an empty field.
TEST_F(DirectoryDialogTest, OpensWithTheDefaultSelectedAndCancelsUnchecked) {
    for (const bool bEscape : {true, false}) {
        m_ui.OnNextDialog([&](framework::CDialog& dialog) {
            EXPECT_EQ(dialog.GetDlgItemText(IDC_PROMPT),
                      "Setup will install Word Game into the following directory.");
            EXPECT_EQ(AccessibleName(*dialog.GetDlgItem(IDC_PROMPT)),
                      "Setup will install Word Game into the following directory.");
            auto* pField = dialog.GetDlgItemAs<framework::CEdit>(IDC_DIRECTORY);
            int nStart = -1, nEnd = -1;
            pField->GetSel(nStart, nEnd);  // selected once it runs
            EXPECT_EQ(pField->GetWindowText().substr(nStart, nEnd - nStart), "WORDGAME");
            EXPECT_EQ(pField->GetLimitText(), kMaxDirectoryChars);
            EXPECT_EQ(AccessibleName(*pField), "Directory:");
            EXPECT_EQ(AccessibleName(*dialog.GetDlgItem(IDC_DRIVE)), "Directory:");
            pField->SetWindowText("");
            if (bEscape) {
                Press(dialog, Key::Escape);
            } else {
                Close(dialog);
            }
        });
        std::string fullPath;
        EXPECT_FALSE(CDialogInstallerWindows().ChooseDirectory(fullPath));
    }
    EXPECT_EQ(Shown(), (std::vector<std::string>{"[103]", "[103]"}));
}

}  // namespace
}  // namespace setup_ui_test
