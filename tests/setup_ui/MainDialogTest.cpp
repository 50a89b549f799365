// The installer's application object and main dialog: how it ends (Escape never,
// everything else like Exit), the texts read afresh, the titles, the icon shared by
// every dialog, the Setup button's directory choice and the working directory.
#include <QTest>
#include <ostream>

#include "framework/Static.h"
#include "platform/CurrentDirectory.h"
#include "platform/UserInterface.h"
#include "setup/config/StringTable.h"
#include "setup/ui/DirectoryDlg.h"
#include "setup/ui/Resource.h"
#include "tests/setup_ui/SetupFixture.h"

namespace setup_ui_test {
namespace {

using platform::MessageResult;
using namespace setup;
using framework::CDialog;
using framework::CommandCancel;
using framework::CommandOk;

struct CEndCase {
    const char* name;
    std::function<void(CSetupDlg&)> act;
    bool bEnded;
    friend void PrintTo(const CEndCase& c, std::ostream* os) { *os << c.name; }
};

class MainDialogEndTest : public CSetupFixture, public ::testing::WithParamInterface<CEndCase> {};

TEST_P(MainDialogEndTest, EscapeNeverEndsItEveryOtherCloseRequestDoes) {
    OpenMainDialog();
    GetParam().act(*m_pMain);
    EXPECT_EQ(m_pMain->IsEnded(), GetParam().bEnded);
    EXPECT_EQ(m_pMain->GetModalResult() == CommandOk, GetParam().bEnded);
    EXPECT_TRUE(m_ui.Transcript().empty());
}

INSTANTIATE_TEST_SUITE_P(
    Ways, MainDialogEndTest,
    ::testing::Values(
        CEndCase{"Escape", [](CSetupDlg& d) { QTest::keyClick(&d, Qt::Key_Escape); }, false},
        CEndCase{"EscapeOnAButton", [](CSetupDlg& d) { KeyOnItem(d, IDC_SETUP, Qt::Key_Escape); },
                 false},
        CEndCase{"Reject", [](CSetupDlg& d) { static_cast<QDialog&>(d).reject(); }, false},
        // Alt+F4 and the system menu's Close arrive as the same close request.
        CEndCase{"CloseBox", [](CSetupDlg& d) { d.close(); }, true},
        CEndCase{"Exit", [](CSetupDlg& d) { ClickItem(d, CommandOk); }, true},
        CEndCase{"EnterOnExit", [](CSetupDlg& d) { KeyOnItem(d, CommandOk, Qt::Key_Return); },
                 true},
        // The installer has no help: no box, no change.
        CEndCase{"F1", [](CSetupDlg& d) { KeyOnItem(d, IDC_SETUP, Qt::Key_F1); }, false}),
    kCaseName);

using MainDialogTest = CSetupFixture;

TEST_F(MainDialogTest, DescriptionAndRequirementsAreReadAtEachPress) {
    OpenMainDialog();
    for (const char* ini :
         {kIni, "[Setup]\nCaption=C\nDescription=Changed.\nRequirements=More.\n"}) {
        WriteIni(ini);
        for (const int nId : {IDC_DESCRIPTION, IDC_REQUIREMENTS}) {
            m_ui.Answer(MessageResult::Ok);
            ClickItem(*m_pMain, nId);
        }
    }
    EXPECT_EQ(Shown(), (std::vector<std::string>{
                           "Word Game asks you to find words in the letters of a long word.",
                           "Word Game needs about 2 MB of free disk space.", "Changed.", "More."}));
    for (const auto& box : m_ui.Transcript()) {
        EXPECT_EQ(box.icon, platform::MessageIcon::Information);
        EXPECT_EQ(box.buttons, platform::MessageButtons::Ok);
    }
    EXPECT_FALSE(m_pMain->IsEnded());
}

struct CSetupRunCase {
    const char* name;
    const char* typed;          // in the directory dialog before OK; nullptr: Cancel
    std::string expected;       // m_strInstallDirectory afterwards
    const char* installedFile;  // the copy of readme.txt, below C:
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
    const char* typed = GetParam().typed;
    m_ui.OnNextDialog([&](CDialog& dialog) {
        EXPECT_EQ(dialog.GetOwner(), m_pMain.get());
        if (typed) {
            dialog.SetDlgItemText(IDC_DIRECTORY, typed);
        }
        ClickItem(dialog, typed ? CommandOk : CommandCancel);
    });
    std::vector<std::string> expected{"[103]"};
    if (typed) {
        m_ui.Answer(MessageResult::Ok);  // no required space given
        m_ui.OnNextDialog([](CDialog& progress) {
            EXPECT_TRUE(progress.IsEnded()) << "the copy ends the dialog itself";
            EXPECT_EQ(progress.GetDlgItemText(IDC_STATUS), "Copying file 1 of 1...");
        });
        m_ui.Answer(MessageResult::Ok);  // no product name
        m_ui.Answer(MessageResult::Ok);  // no shortcut values
        expected = {"[103]", LoadSetupString(IDS_NO_DISK_SPACE_VALUE), "[105]",
                    LoadSetupString(IDS_NO_NAME_VALUE), LoadSetupString(IDS_NO_SHORTCUT_VALUES)};
    }
    ClickItem(*m_pMain, IDC_SETUP);
    EXPECT_EQ(m_pMain->m_strInstallDirectory, GetParam().expected);
    EXPECT_EQ(Shown(), expected);
    if (typed) {
        EXPECT_EQ(m_drive.Drive().Read(GetParam().installedFile), "Read me.");
    }
    EXPECT_FALSE(m_pMain->IsEnded());
}

INSTANTIATE_TEST_SUITE_P(
    Runs, SetupRunTest,
    ::testing::Values(CSetupRunCase{"Default", "WORDGAME", "C:\\WORDGAME\\", "WORDGAME/README.TXT"},
                      CSetupRunCase{"TypedWithBackslash", "Games\\", "C:\\Games\\",
                                    "Games/README.TXT"},
                      CSetupRunCase{"DriveRoot", "\\", "C:\\", "README.TXT"},
                      CSetupRunCase{"Cancelled", nullptr, "unchanged", nullptr}),
    kCaseName);

// Every window the installer opens carries [Setup] Caption as its title; with no
// caption the title is empty, not the program's file name. The program's icon is
// shown in the dialog, in its title bar and in the title bar of every dialog opened
// after it.
struct CShowCase {
    const char* name;
    const char* ini;
    const char* title;
    const char* product;  // [Setup] MainDialogText
    friend void PrintTo(const CShowCase& c, std::ostream* os) { *os << c.name; }
};

class MainDialogShowTest : public CSetupFixture, public ::testing::WithParamInterface<CShowCase> {};

TEST_P(MainDialogShowTest, ShowsTheProductAndItsIconAndTitlesEveryBoxAndDialog) {
    WriteIni(GetParam().ini);
    OpenMainDialog();
    EXPECT_EQ(m_pMain->GetDlgItemText(IDC_PRODUCT_TEXT), GetParam().product);
    EXPECT_EQ(AccessibleName(m_pMain->GetDlgItem(IDC_PRODUCT_TEXT)), GetParam().product);
    EXPECT_TRUE(m_pMain->GetDlgItemAs<QLabel>(IDC_PRODUCT_TEXT)->wordWrap());
    EXPECT_EQ(m_pMain->focusWidget(), m_pMain->GetDlgItem(IDC_DESCRIPTION));
    const auto* pIcon = m_pMain->GetDlgItemAs<framework::CStatic>(IDC_PROGRAM_ICON);
    ASSERT_NE(pIcon, nullptr);
    EXPECT_EQ(pIcon->pixmap().size(), QSize(32, 32));
    EXPECT_FALSE(pIcon->accessibleName().isEmpty());
    const QImage icon = pIcon->pixmap().toImage();
    EXPECT_EQ(m_pMain->windowIcon().pixmap(32, 32).toImage(), icon);
    EXPECT_EQ(CDirectoryDlg().windowIcon().pixmap(32, 32).toImage(), icon);

    EXPECT_EQ(m_pMain->GetWindowText(), GetParam().title);
    EXPECT_FALSE(m_pMain->windowTitle().isEmpty()) << "Qt would show the file name";
    m_ui.Answer(MessageResult::Ok);
    ClickItem(*m_pMain, IDC_DESCRIPTION);
    m_ui.OnNextDialog([](CDialog& dialog) {
        dialog.SetDlgItemText(IDC_DIRECTORY, "");  // the check's box is titled too
        ClickItem(dialog, CommandOk);
        ClickItem(dialog, CommandCancel);
    });
    m_ui.Answer(MessageResult::Ok);
    ClickItem(*m_pMain, IDC_SETUP);
    ASSERT_EQ(m_ui.Transcript().size(), 3u);
    for (const auto& shown : m_ui.Transcript()) {
        EXPECT_EQ(shown.title, GetParam().title) << shown.text;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Inis, MainDialogShowTest,
    ::testing::Values(CShowCase{"WithCaption", kIni, kCaption,
                                "This program installs Word Game on your computer."},
                      CShowCase{"WithoutCaption", "[Setup]\nDescription=D\nMainDialogText=M\n", "",
                                "M"},
                      CShowCase{"EmptyFile", "", "", ""},
                      CShowCase{"Ampersands", "[Setup]\nCaption=R&D\nMainDialogText=Fish & Chips\n",
                                "R&D", "Fish & Chips"}),
    kCaseName);

TEST_F(MainDialogTest, ApplicationRunsTheMainDialogAndRestoresTheWorkingDirectory) {
    m_drive.MakeDirectories("Elsewhere");
    const std::string start = platform::CurrentDirectory();
    ASSERT_FALSE(start.empty());
    {
        setup::CSetupApp app;
        EXPECT_EQ(app.m_strStartDirectory, start);
        m_ui.OnNextDialog([&](CDialog& dialog) {
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
}

}  // namespace
}  // namespace setup_ui_test
