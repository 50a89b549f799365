// The directory dialog: the drive list, and the OK checks in their order with their
// messages, the field selected and focused after each refusal, and the refusal of
// the setup program's own folder under any spelling.
#include <QTest>
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

using platform::MessageResult;
using namespace setup;

const char* const kRequired = "Error:  Directory must be entered.";
const char* const kInUse =
    "The directory you specified is being used by this setup program.\n\n"
    "Please specify a different directory.";
const char* const kTooLong = "Please enter no more than 256 characters.";

std::string Invalid(const std::string& combined) {
    return "Error:  \"" + combined + "\" is an invalid directory name.";
}

struct CCheckCase {
    const char* name;
    // Prepares the drives and folders; returns the default directory for SETUP.INI
    // (nothing: no DefaultDirectory key).
    std::function<std::optional<std::string>(CSetupFixture&)> arrange;
    // What the user types over the default (nothing: the default stays).
    std::function<std::optional<std::string>(CSetupFixture&)> typed;
    const char* drive;  // the drive entry to select; nullptr keeps the preselection
    // The message shown, or nothing when OK passes.
    std::function<std::optional<std::string>(CSetupFixture&)> message;
    const char* fullPath;  // the result when OK passes
    friend void PrintTo(const CCheckCase& c, std::ostream* os) { *os << c.name; }
};

class DirectoryCheckTest : public CSetupFixture,
                           public ::testing::WithParamInterface<CCheckCase> {};

TEST_P(DirectoryCheckTest, RunsTheChecksInOrderAndKeepsTheDialogOpenOnRefusal) {
    const std::optional<std::string> defaultDirectory = GetParam().arrange(*this);
    WriteIni(std::string("[Setup]\nCaption=Word Game Setup\n") +
             (defaultDirectory ? "DefaultDirectory=" + *defaultDirectory + "\n" : ""));
    const std::optional<std::string> message = GetParam().message(*this);
    if (message) {
        m_ui.Answer(MessageResult::Ok);
    }
    std::string fieldText;
    bool bFieldSelectedAndFocused = false;
    m_ui.OnNextDialog([&](framework::CDialog& dialog) {
        auto& directory = dynamic_cast<CDirectoryDlg&>(dialog);
        auto* pField = directory.GetDlgItemAs<framework::CEdit>(IDC_DIRECTORY);
        if (const std::optional<std::string> typed = GetParam().typed(*this)) {
            pField->SetWindowText(*typed);
        }
        if (GetParam().drive) {
            const int nIndex = directory.m_cboDrive->findText(GetParam().drive);
            ASSERT_GE(nIndex, 0) << GetParam().drive;
            directory.m_cboDrive->SetCurSel(nIndex);
        }
        pField->setSelection(0, 0);
        directory.GetDlgItem(framework::CommandCancel)->setFocus();
        fieldText = pField->GetWindowText();
        QTest::mouseClick(directory.GetDlgItem(framework::CommandOk), Qt::LeftButton);
        if (!directory.IsEnded()) {
            int nStart = -1;
            int nEnd = -1;
            pField->GetSel(nStart, nEnd);
            bFieldSelectedAndFocused = directory.focusWidget() == pField && nStart == 0 &&
                                       nEnd == static_cast<int>(pField->text().size());
            // The user's input is left as it was.
            EXPECT_EQ(pField->GetWindowText(), fieldText);
            QTest::mouseClick(directory.GetDlgItem(framework::CommandCancel), Qt::LeftButton);
        }
    });
    CDialogInstallerWindows windows;
    std::string fullPath = "untouched";
    const bool bChosen = windows.ChooseDirectory(fullPath);
    if (message) {
        EXPECT_FALSE(bChosen);
        EXPECT_EQ(Shown(), (std::vector<std::string>{"[103]", *message}));
        EXPECT_EQ(m_ui.Transcript().back().icon, platform::MessageIcon::Exclamation);
        EXPECT_TRUE(bFieldSelectedAndFocused);
        EXPECT_EQ(fullPath, "untouched");
    } else {
        EXPECT_TRUE(bChosen);
        EXPECT_EQ(Shown(), std::vector<std::string>{"[103]"});
        EXPECT_EQ(fullPath, GetParam().fullPath);
    }
    EXPECT_TRUE(m_ui.ScriptUsedUp());
}

std::optional<std::string> Nothing(CSetupFixture&) {
    return std::nullopt;
}
auto Text(std::string text) {
    return [text](CSetupFixture&) { return std::optional<std::string>(text); };
}
auto Default(std::string text) {
    return [text](CSetupFixture&) { return std::optional<std::string>(text); };
}
// The setup folder C:\Setup as the root drive Z: spells it: its host path.
std::optional<std::string> SetupBelowZ(CSetupFixture& f) {
    return f.m_drive.Host("Setup").substr(1);
}
std::optional<std::string> LinkToSetup(CSetupFixture& f) {
    std::filesystem::create_directory_symlink(f.m_drive.Host("Setup"), f.m_drive.Host("Link"));
    return "WORDGAME";
}
std::optional<std::string> DriveD(CSetupFixture& f) {
    f.m_drive.MakeDirectories("D");
    platform::MapDrive('D', f.m_drive.Host("D"));
    return "WORDGAME";
}
std::optional<std::string> NoDrives(CSetupFixture&) {
    for (const char letter : platform::MappedDrives()) {
        platform::MapDrive(letter, std::string());
    }
    return "WORDGAME";
}

// Multi-byte characters: the field counts 200, the full path needs over 400 bytes.
const std::string kWide = [] {
    std::string text;
    for (int i = 0; i < 200; ++i) {
        text += "\xC3\xA9";
    }
    return text;
}();

INSTANTIATE_TEST_SUITE_P(
    Checks, DirectoryCheckTest,
    ::testing::Values(
        CCheckCase{"NoDefaultIsEmpty", Nothing, Nothing, nullptr,
                   [](CSetupFixture&) { return std::optional<std::string>(kRequired); }, ""},
        CCheckCase{"TypedEmpty", Default("WORDGAME"), Text(""), nullptr,
                   [](CSetupFixture&) { return std::optional<std::string>(kRequired); }, ""},
        // A default longer than the field takes is shown whole, then refused with a
        // single message.
        CCheckCase{"DefaultTooLong", Default(std::string(257, 'A')), Nothing, nullptr,
                   [](CSetupFixture&) { return std::optional<std::string>(kTooLong); }, ""},
        CCheckCase{
            "InvalidQuotesTheCombinedPath", Default("WORDGAME"), Text(kWide), nullptr,
            [](CSetupFixture&) { return std::optional<std::string>(Invalid("C:\\" + kWide)); }, ""},
        CCheckCase{"NoDrivesTheTextStandsAlone", NoDrives, Text("WORDGAME"), nullptr,
                   [](CSetupFixture&) { return std::optional<std::string>(Invalid("WORDGAME")); },
                   ""},
        CCheckCase{"SetupFolder", Default("Setup"), Nothing, nullptr,
                   [](CSetupFixture&) { return std::optional<std::string>(kInUse); }, ""},
        CCheckCase{"SetupFolderOtherCase", Default("WORDGAME"), Text("sETUP"), nullptr,
                   [](CSetupFixture&) { return std::optional<std::string>(kInUse); }, ""},
        CCheckCase{"SetupFolderTrailingBackslash", Default("WORDGAME"), Text("SETUP\\"), nullptr,
                   [](CSetupFixture&) { return std::optional<std::string>(kInUse); }, ""},
        CCheckCase{"SetupFolderRoundabout", Default("WORDGAME"), Text("Other\\..\\Setup"), nullptr,
                   [](CSetupFixture&) { return std::optional<std::string>(kInUse); }, ""},
        CCheckCase{"SetupFolderThroughALink", LinkToSetup, Text("link"), nullptr,
                   [](CSetupFixture&) { return std::optional<std::string>(kInUse); }, ""},
        CCheckCase{"SetupFolderOnDriveZ", Default("WORDGAME"), SetupBelowZ, "Z:\\",
                   [](CSetupFixture&) { return std::optional<std::string>(kInUse); }, ""},
        CCheckCase{"SubfolderOfSetup", Default("Setup\\Product"), Nothing, nullptr,
                   [](CSetupFixture&) { return std::optional<std::string>(); },
                   "C:\\Setup\\Product"},
        CCheckCase{"NewFolderBelowTheLink", LinkToSetup, Text("Link\\New"), nullptr,
                   [](CSetupFixture&) { return std::optional<std::string>(); }, "C:\\Link\\New"},
        CCheckCase{"OtherDrive", DriveD, Text("PRODUCT"), "D:\\",
                   [](CSetupFixture&) { return std::optional<std::string>(); }, "D:\\PRODUCT"},
        CCheckCase{"BlanksAreNotEmpty", Default("WORDGAME"), Text("  "), nullptr,
                   [](CSetupFixture&) { return std::optional<std::string>(); }, "C:\\  "}),
    [](const auto& info) { return std::string(info.param.name); });

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
    EXPECT_FALSE(dialog.m_cboDrive->isEditable());
    // The first tab stop, the drive list, has the focus.
    EXPECT_EQ(dialog.focusWidget(), dialog.m_cboDrive);
}

INSTANTIATE_TEST_SUITE_P(
    Drives, DriveListTest,
    ::testing::Values(
        CDriveCase{"CAndZ", {}, {"C:\\", "Z:\\"}, 0},
        CDriveCase{"CNotFirst", {{'A', true}, {'D', true}}, {"A:\\", "C:\\", "D:\\", "Z:\\"}, 1},
        CDriveCase{"WithoutC", {{'C', false}, {'D', true}}, {"D:\\", "Z:\\"}, 0},
        CDriveCase{"None", {{'C', false}, {'Z', false}}, {}, -1}),
    [](const auto& info) { return std::string(info.param.name); });

using DirectoryDialogTest = CSetupFixture;

TEST_F(DirectoryDialogTest, OpensWithTheDefaultSelectedOnceItRuns) {
    std::string prompt;
    bool bSelected = false;
    m_ui.OnNextDialog([&](framework::CDialog& dialog) {
        prompt = dialog.GetDlgItemText(IDC_PROMPT);
        auto* pField = dialog.GetDlgItemAs<framework::CEdit>(IDC_DIRECTORY);
        bSelected = pField->selectedText() == "WORDGAME";
        EXPECT_EQ(pField->GetLimitText(), kMaxDirectoryChars);
        EXPECT_EQ(pField->accessibleName(), "Directory");
        EXPECT_EQ(dialog.GetDlgItem(IDC_DRIVE)->accessibleName(), "Directory");
        QTest::keyClick(&dialog, Qt::Key_Escape);
    });
    std::string fullPath;
    EXPECT_FALSE(CDialogInstallerWindows().ChooseDirectory(fullPath));
    EXPECT_EQ(prompt, "Setup will install Word Game into the following directory.");
    EXPECT_TRUE(bSelected);
    EXPECT_EQ(Shown(), std::vector<std::string>{"[103]"});  // Escape: no message
}

TEST_F(DirectoryDialogTest, CloseBoxCancelsWithoutAnyCheck) {
    WriteIni("[Setup]\n");
    m_ui.OnNextDialog([](framework::CDialog& dialog) { dialog.close(); });
    std::string fullPath;
    EXPECT_FALSE(CDialogInstallerWindows().ChooseDirectory(fullPath));
    EXPECT_EQ(Shown(), std::vector<std::string>{"[103]"});
}

}  // namespace
}  // namespace setup_ui_test
