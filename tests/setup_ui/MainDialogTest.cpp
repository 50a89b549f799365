// The installer's application object and main dialog: how it ends (Escape never,
// everything else like Exit), the texts read afresh, the titles, the icon shared by
// every dialog, the Setup button's directory choice and the working directory.
#include <ostream>

#include "framework/Static.h"
#include "platform/CurrentDirectory.h"
#include "platform/UserInterface.h"
#include "setup/config/StringTable.h"
#include "setup/ui/Resource.h"
#include "tests/setup_ui/SetupFixture.h"
#ifndef _WIN32
#include <QDialog>
#include <QLabel>

#include "framework/qt/DialogWindow.h"
#include "framework/qt/QtWidget.h"
#include "setup/ui/DirectoryDlg.h"
#endif

namespace setup_ui_test {
namespace {

using platform::MessageResult;
using namespace setup;
using framework::CDialog;
using framework::CommandCancel;
using framework::CommandOk;
using namespace testing_support;

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
        CEndCase{"Escape", [](CSetupDlg& d) { Press(d, Key::Escape); }, false},
        CEndCase{"EscapeOnAButton", [](CSetupDlg& d) { KeyOnItem(d, IDC_SETUP, Key::Escape); },
                 false},
        // Alt+F4 and the system menu's Close arrive as the same close request.
        CEndCase{"CloseBox", [](CSetupDlg& d) { Close(d); }, true},
        CEndCase{"Exit", [](CSetupDlg& d) { ClickItem(d, CommandOk); }, true},
        CEndCase{"EnterOnExit", [](CSetupDlg& d) { KeyOnItem(d, CommandOk, Key::Enter); }, true},
        // The installer has no help: no box, no change.
        CEndCase{"F1", [](CSetupDlg& d) { KeyOnItem(d, IDC_SETUP, Key::F1); }, false}),
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
// caption the title is empty. The dialog shows the program's icon.
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
    EXPECT_EQ(AccessibleName(*m_pMain->GetDlgItem(IDC_PRODUCT_TEXT)), GetParam().product);
    EXPECT_EQ(m_pMain->GetFocusedControl(), m_pMain->GetDlgItem(IDC_DESCRIPTION));
    const auto* pIcon = m_pMain->GetDlgItemAs<framework::CStatic>(IDC_PROGRAM_ICON);
    ASSERT_NE(pIcon, nullptr);
    EXPECT_TRUE(pIcon->HasIcon());
    EXPECT_FALSE(AccessibleName(*pIcon).empty());

    EXPECT_EQ(m_pMain->GetWindowText(), GetParam().title);
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
            Close(dialog);
        });
        EXPECT_FALSE(app.InitInstance());
        EXPECT_EQ(platform::DisplayName(), kCaption);
        EXPECT_EQ(platform::CurrentDirectory(), "C:\\Elsewhere");
    }
    EXPECT_EQ(platform::CurrentDirectory(), start);
}

// What the Qt backend shows and does: the product text wrapped, the icon at its size
// in the dialog and in the title bar of every dialog, a title that Qt must not fill
// in, and Qt's reject, which no key of the user's makes here.
#ifndef _WIN32
TEST_F(MainDialogTest, TheTextWrapsTheIconShowsInEveryTitleBarAndNoTitleIsFilledIn) {
    using framework::WidgetAs;
    for (const char* ini : {kIni, "[Setup]\nDescription=D\nMainDialogText=M\n", "",
                            "[Setup]\nCaption=R&D\nMainDialogText=Fish & Chips\n"}) {
        WriteIni(ini);
        OpenMainDialog();
        EXPECT_TRUE(WidgetAs<QLabel>(*m_pMain->GetDlgItem(IDC_PRODUCT_TEXT))->wordWrap());
        const QPixmap icon = WidgetAs<QLabel>(*m_pMain->GetDlgItem(IDC_PROGRAM_ICON))->pixmap();
        EXPECT_EQ(icon.size(), QSize(32, 32));
        EXPECT_EQ(m_pMain->GetWindow().windowIcon().pixmap(32, 32).toImage(), icon.toImage());
        EXPECT_EQ(CDirectoryDlg().GetWindow().windowIcon().pixmap(32, 32).toImage(),
                  icon.toImage());
        EXPECT_FALSE(m_pMain->GetWindow().windowTitle().isEmpty()) << ini;
    }
}

TEST_F(MainDialogTest, TheWindowsRejectLeavesItOpen) {
    OpenMainDialog();
    static_cast<QDialog&>(m_pMain->GetWindow()).reject();
    EXPECT_FALSE(m_pMain->IsEnded());
}
#endif

}  // namespace
}  // namespace setup_ui_test
