// The installer's application object and main dialog: how it ends (Escape never,
// everything else like Exit), the texts read afresh, the titles, the icon shared by
// every dialog, the Setup button's directory choice and the working directory.
#include <QTest>
#include <filesystem>
#include <ostream>

#include "framework/Static.h"
#include "platform/CurrentDirectory.h"
#include "platform/UserInterface.h"
#include "setup/config/StringTable.h"
#include "setup/ui/DirectoryDlg.h"
#include "setup/ui/DiskIcon.h"
#include "setup/ui/Resource.h"
#include "tests/setup_ui/SetupFixture.h"

namespace setup_ui_test {
namespace {

using platform::MessageIcon;
using platform::MessageResult;
using namespace setup;

struct CEndCase {
    const char* name;
    std::function<void(CSetupDlg&)> act;
    bool bEnded;
    // Names the case in test output instead of dumping its bytes.
    friend void PrintTo(const CEndCase& c, std::ostream* os) { *os << c.name; }
};

class MainDialogEndTest : public CSetupFixture, public ::testing::WithParamInterface<CEndCase> {};

TEST_P(MainDialogEndTest, EscapeNeverEndsItEveryOtherCloseRequestDoes) {
    OpenMainDialog();
    GetParam().act(*m_pMain);
    EXPECT_EQ(m_pMain->IsEnded(), GetParam().bEnded);
    if (GetParam().bEnded) {
        EXPECT_EQ(m_pMain->GetModalResult(), framework::CommandOk);
    }
    EXPECT_TRUE(m_ui.Transcript().empty());
}

INSTANTIATE_TEST_SUITE_P(
    Ways, MainDialogEndTest,
    ::testing::Values(
        CEndCase{"Escape", [](CSetupDlg& d) { QTest::keyClick(&d, Qt::Key_Escape); }, false},
        CEndCase{"EscapeOnAButton",
                 [](CSetupDlg& d) { QTest::keyClick(d.GetDlgItem(IDC_SETUP), Qt::Key_Escape); },
                 false},
        CEndCase{"Reject", [](CSetupDlg& d) { static_cast<QDialog&>(d).reject(); }, false},
        // Alt+F4 and the system menu's Close arrive as the same close request.
        CEndCase{"CloseBox", [](CSetupDlg& d) { d.close(); }, true},
        CEndCase{"Exit",
                 [](CSetupDlg& d) {
                     QTest::mouseClick(d.GetDlgItem(framework::CommandOk), Qt::LeftButton);
                 },
                 true},
        CEndCase{"EnterOnExit",
                 [](CSetupDlg& d) {
                     d.GetDlgItem(framework::CommandOk)->setFocus();
                     QTest::keyClick(d.GetDlgItem(framework::CommandOk), Qt::Key_Return);
                 },
                 true}),
    [](const auto& info) { return std::string(info.param.name); });

using MainDialogTest = CSetupFixture;

TEST_F(MainDialogTest, ShowsTheProductAndFocusesDescription) {
    OpenMainDialog();
    EXPECT_EQ(m_pMain->GetWindowText(), kCaption);
    EXPECT_EQ(m_pMain->GetDlgItemText(IDC_PRODUCT_TEXT),
              "This program installs Word Game on your computer.");
    EXPECT_EQ(m_pMain->focusWidget(), m_pMain->GetDlgItem(IDC_DESCRIPTION));
    EXPECT_TRUE(m_pMain->GetDlgItemAs<QLabel>(IDC_PRODUCT_TEXT)->wordWrap());
    const auto* pIcon = m_pMain->GetDlgItemAs<framework::CStatic>(IDC_PROGRAM_ICON);
    ASSERT_NE(pIcon, nullptr);
    EXPECT_EQ(pIcon->pixmap().size(), QSize(32, 32));
    EXPECT_FALSE(pIcon->accessibleName().isEmpty());
}

TEST_F(MainDialogTest, DescriptionAndRequirementsAreReadAtEachPress) {
    OpenMainDialog();
    for (int i = 0; i < 4; ++i) {
        m_ui.Answer(MessageResult::Ok);
    }
    Click(m_pMain->GetDlgItem(IDC_DESCRIPTION));
    Click(m_pMain->GetDlgItem(IDC_REQUIREMENTS));
    WriteIni("[Setup]\nCaption=Word Game Setup\nDescription=Changed.\nRequirements=More.\n");
    Click(m_pMain->GetDlgItem(IDC_DESCRIPTION));
    Click(m_pMain->GetDlgItem(IDC_REQUIREMENTS));
    EXPECT_EQ(Shown(), (std::vector<std::string>{
                           "Word Game asks you to find words in the letters of a long word.",
                           "Word Game needs about 2 MB of free disk space.", "Changed.", "More."}));
    for (const auto& box : m_ui.Transcript()) {
        EXPECT_EQ(box.icon, MessageIcon::Information);
        EXPECT_EQ(box.buttons, platform::MessageButtons::Ok);
    }
    EXPECT_FALSE(m_pMain->IsEnded());
}

struct CSetupRunCase {
    const char* name;
    std::function<void(framework::CDialog&)> act;
    std::string expected;       // m_strInstallDirectory afterwards
    const char* installedFile;  // the copy of readme.txt, below C:; none when cancelled
    friend void PrintTo(const CSetupRunCase& c, std::ostream* os) { *os << c.name; }
};

class SetupRunTest : public CSetupFixture, public ::testing::WithParamInterface<CSetupRunCase> {};

// Setup... through the real windows: the directory dialog, the progress dialog whose
// posted start runs the copy, and the messages of a product without shortcuts.
TEST_P(SetupRunTest, InstallsIntoTheChosenDirectoryKeptWithOneTrailingBackslash) {
    WriteIni(std::string(kIni) + "[Files]\r\nFiles=1\r\nFile1=readme.txt\r\n");
    m_drive.Drive().Write("Setup/readme.txt", "Read me.");
    OpenMainDialog();
    m_pMain->m_strInstallDirectory = "unchanged";
    m_ui.OnNextDialog([&](framework::CDialog& dialog) {
        EXPECT_EQ(dialog.GetOwner(), m_pMain.get());
        GetParam().act(dialog);
    });
    const bool bInstalls = GetParam().installedFile != nullptr;
    std::vector<std::string> expected{"[103]"};
    if (bInstalls) {
        m_ui.Answer(MessageResult::Ok);  // no required space given
        m_ui.OnNextDialog([](framework::CDialog& progress) {
            EXPECT_TRUE(progress.IsEnded()) << "the copy ends the dialog itself";
            EXPECT_EQ(progress.GetDlgItemText(IDC_STATUS), "Copying file 1 of 1...");
        });
        m_ui.Answer(MessageResult::Ok);  // no product name
        m_ui.Answer(MessageResult::Ok);  // no shortcut values
        expected = {"[103]", LoadSetupString(IDS_NO_DISK_SPACE_VALUE), "[105]",
                    LoadSetupString(IDS_NO_NAME_VALUE), LoadSetupString(IDS_NO_SHORTCUT_VALUES)};
    }
    Click(m_pMain->GetDlgItem(IDC_SETUP));
    EXPECT_EQ(m_pMain->m_strInstallDirectory, GetParam().expected);
    EXPECT_EQ(Shown(), expected);
    if (bInstalls) {
        EXPECT_EQ(m_drive.Drive().Read(GetParam().installedFile), "Read me.");
    }
    EXPECT_TRUE(m_ui.ScriptUsedUp());
    EXPECT_FALSE(m_pMain->IsEnded());
}

void TypeAndOk(framework::CDialog& dialog, const char* text) {
    dialog.SetDlgItemText(IDC_DIRECTORY, text);
    QTest::mouseClick(dialog.GetDlgItem(framework::CommandOk), Qt::LeftButton);
}

INSTANTIATE_TEST_SUITE_P(
    Runs, SetupRunTest,
    ::testing::Values(
        CSetupRunCase{"Default", [](framework::CDialog& d) { TypeAndOk(d, "WORDGAME"); },
                      "C:\\WORDGAME\\", "WORDGAME/README.TXT"},
        CSetupRunCase{"TypedWithBackslash", [](framework::CDialog& d) { TypeAndOk(d, "Games\\"); },
                      "C:\\Games\\", "Games/README.TXT"},
        CSetupRunCase{"DriveRoot", [](framework::CDialog& d) { TypeAndOk(d, "\\"); }, "C:\\",
                      "README.TXT"},
        CSetupRunCase{"Cancelled",
                      [](framework::CDialog& d) {
                          QTest::mouseClick(d.GetDlgItem(framework::CommandCancel), Qt::LeftButton);
                      },
                      "unchanged", nullptr}),
    [](const auto& info) { return std::string(info.param.name); });

// Every window the installer opens carries [Setup] Caption as its title; with no
// caption the title is empty, not the program's file name.
struct CCaptionCase {
    const char* name;
    const char* ini;
    const char* title;
    friend void PrintTo(const CCaptionCase& c, std::ostream* os) { *os << c.name; }
};

class CaptionTest : public CSetupFixture, public ::testing::WithParamInterface<CCaptionCase> {};

TEST_P(CaptionTest, TitlesEveryBoxAndDialog) {
    WriteIni(GetParam().ini);
    OpenMainDialog();
    EXPECT_EQ(m_pMain->GetWindowText(), GetParam().title);
    EXPECT_FALSE(m_pMain->windowTitle().isEmpty()) << "Qt would show the file name";
    m_ui.Answer(MessageResult::Ok);
    Click(m_pMain->GetDlgItem(IDC_DESCRIPTION));
    m_ui.OnNextDialog([](framework::CDialog& dialog) {
        // An empty field: the check's box is titled too.
        dialog.SetDlgItemText(IDC_DIRECTORY, "");
        QTest::mouseClick(dialog.GetDlgItem(framework::CommandOk), Qt::LeftButton);
        QTest::mouseClick(dialog.GetDlgItem(framework::CommandCancel), Qt::LeftButton);
    });
    m_ui.Answer(MessageResult::Ok);
    Click(m_pMain->GetDlgItem(IDC_SETUP));
    ASSERT_EQ(m_ui.Transcript().size(), 3u);
    for (const auto& shown : m_ui.Transcript()) {
        EXPECT_EQ(shown.title, GetParam().title) << shown.text;
    }
    EXPECT_TRUE(m_ui.ScriptUsedUp());
}

INSTANTIATE_TEST_SUITE_P(Inis, CaptionTest,
                         ::testing::Values(CCaptionCase{"WithCaption", kIni, kCaption},
                                           CCaptionCase{"WithoutCaption",
                                                        "[Setup]\nDescription=D\n", ""},
                                           CCaptionCase{"EmptyFile", "", ""}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(MainDialogTest, ItsIconBecomesEveryDialogsIcon) {
    OpenMainDialog();
    CDirectoryDlg later;
    const QImage expected = DiskIconPixmap(32).toImage();
    EXPECT_EQ(later.windowIcon().pixmap(32, 32).toImage(), expected);
    EXPECT_EQ(m_pMain->windowIcon().pixmap(32, 32).toImage(), expected);
}

TEST_F(MainDialogTest, ApplicationRunsTheMainDialogAndRestoresTheWorkingDirectory) {
    m_drive.MakeDirectories("Elsewhere");
    const std::string start = platform::CurrentDirectory();
    ASSERT_FALSE(start.empty());
    {
        setup::CSetupApp app;
        EXPECT_EQ(app.m_strStartDirectory, start);
        m_ui.OnNextDialog([&](framework::CDialog& dialog) {
            EXPECT_EQ(&dialog, app.m_pMainWnd);
            EXPECT_EQ(dialog.GetTemplate().nId, IDD_SETUP);
            // A run that changes the current directory, then the close box.
            ASSERT_TRUE(platform::ChangeCurrentDirectory("C:\\Elsewhere"));
            dialog.close();
        });
        EXPECT_FALSE(app.InitInstance());
        EXPECT_EQ(platform::DisplayName(), kCaption);
        EXPECT_EQ(platform::CurrentDirectory(), "C:\\Elsewhere");
    }
    EXPECT_EQ(platform::CurrentDirectory(), start);
    EXPECT_TRUE(m_ui.ScriptUsedUp());
}

}  // namespace
}  // namespace setup_ui_test
