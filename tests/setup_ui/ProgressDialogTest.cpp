// The progress dialog: the copy routine started once after the window is shown and
// closing it through the OK step, the Cancel confirmation by button, space bar and
// close box, and keys that do nothing while it copies.
#include <filesystem>
#include <limits>
#include <ostream>

#include "framework/ProgressCtrl.h"
#include "platform/Format.h"
#include "setup/ui/DialogInstallerWindows.h"
#include "setup/ui/ProgressDlg.h"
#include "setup/ui/Resource.h"
#include "tests/setup_ui/SetupFixture.h"

namespace setup_ui_test {
namespace {

using platform::MessageResult;
using namespace setup;
using namespace testing_support;

const char* const kConfirm = "Are you sure you want to cancel?";

// What the installation run's copy loop does with the dialog, over `files` names:
// pump before each file, stop at a cancel, record and report each file, end.
struct CCopyScript {
    int nFiles = 3;
    int nRuns = 0;
    bool bVisibleAtStart = false;
    CProgressDlg* pDialog = nullptr;
    std::vector<std::string> statusTexts;  // before the first file, then after each
    std::vector<int> barValues;            // after each file

    void operator()(CCopyProgress& progress) {
        ++nRuns;
        pDialog = dynamic_cast<CProgressDlg*>(&progress);
        bVisibleAtStart = pDialog && pDialog->IsWindowVisible();
        statusTexts.push_back(pDialog->GetDlgItemText(IDC_STATUS));
        progress.CopiedFiles().clear();
        for (int i = 1; i <= nFiles && progress.Status() == kStatusCompleted; ++i) {
            platform::UserInterface().PumpEvents();
            if (progress.Status() == kStatusCancelled) {
                break;
            }
            progress.CopiedFiles().push_back(progress.TargetDirectory() + "\\FILE" +
                                             std::to_string(i));
            progress.SetStatusText(platform::FormatString("Copying file %d of %d...", {i, nFiles}));
            statusTexts.push_back(pDialog->GetDlgItemText(IDC_STATUS));
            progress.SetProgress(static_cast<std::uint64_t>(i), static_cast<std::uint64_t>(nFiles));
            barValues.push_back(
                pDialog->GetDlgItemAs<framework::CProgressCtrl>(IDC_PROGRESS)->GetPos());
        }
        progress.EndProgress();
    }
};

struct CCancelCase {
    const char* name;
    int nPumpWithStep;  // the pump (1-based) in which the user acts
    void (*act)(CProgressDlg&);
    std::vector<MessageResult> answers;
    int nStatus;
    std::size_t nCopied;
    friend void PrintTo(const CCancelCase& c, std::ostream* os) { *os << c.name; }
};

class ProgressCancelTest : public CSetupFixture,
                           public ::testing::WithParamInterface<CCancelCase> {};

TEST_P(ProgressCancelTest, CancelAsksAndStopsBeforeTheNextFileOnlyOnYes) {
    OpenMainDialog();
    auto script = std::make_shared<CCopyScript>();
    for (int i = 1; i < GetParam().nPumpWithStep; ++i) {
        m_ui.OnNextPump([] {});
    }
    m_ui.OnNextPump([script] { GetParam().act(*script->pDialog); });
    for (const MessageResult answer : GetParam().answers) {
        m_ui.Answer(answer);
    }
    m_ui.OnNextDialog([](framework::CDialog& dialog) { EXPECT_TRUE(dialog.IsEnded()); });
    platform::CStringArray copied;
    const int nStatus = CDialogInstallerWindows().RunProgress(
        "C:\\WORDGAME", copied, [script](CCopyProgress& p) { (*script)(p); });
    EXPECT_EQ(nStatus, GetParam().nStatus);
    EXPECT_EQ(copied.size(), GetParam().nCopied);
    std::vector<std::string> expected{"[105]"};
    expected.insert(expected.end(), GetParam().answers.size(), kConfirm);
    EXPECT_EQ(Shown(), expected);
    for (std::size_t i = 1; i < m_ui.Transcript().size(); ++i) {
        EXPECT_EQ(m_ui.Transcript()[i].icon, platform::MessageIcon::Question);
        EXPECT_EQ(m_ui.Transcript()[i].buttons, platform::MessageButtons::YesNo);
        EXPECT_EQ(m_ui.Transcript()[i].title, kCaption);
    }
}

// The user's ways to cancel, on Cancel with the focus or on the dialog.
struct Way {
    static void Click(CProgressDlg& d) { ClickItem(d, framework::CommandCancel); }
    static void Space(CProgressDlg& d) { KeyOnItem(d, framework::CommandCancel, Key::Space); }
    static void Enter(CProgressDlg& d) { KeyOnItem(d, framework::CommandCancel, Key::Enter); }
    static void Escape(CProgressDlg& d) { Press(d, Key::Escape); }
    static void CloseBox(CProgressDlg& d) { Close(d); }
};

constexpr MessageResult kYes = MessageResult::Yes;
constexpr MessageResult kNo = MessageResult::No;

INSTANTIATE_TEST_SUITE_P(
    Ways, ProgressCancelTest,
    ::testing::Values(
        CCancelCase{"CancelYes", 2, Way::Click, {kYes}, kStatusCancelled, 1},
        CCancelCase{"CancelNo", 2, Way::Click, {kNo}, kStatusCompleted, 3},
        CCancelCase{"SpaceOnCancel", 3, Way::Space, {kYes}, kStatusCancelled, 2},
        CCancelCase{"CloseBoxAsksTheSame", 1, Way::CloseBox, {kYes}, kStatusCancelled, 0},
        CCancelCase{"CloseBoxAnsweredNo", 1, Way::CloseBox, {kNo}, kStatusCompleted, 3},
        CCancelCase{"EscapeDoesNothing", 2, Way::Escape, {}, kStatusCompleted, 3},
        CCancelCase{"EnterDoesNothing", 2, Way::Enter, {}, kStatusCompleted, 3}),
    kCaseName);

using ProgressDialogTest = CSetupFixture;

TEST_F(ProgressDialogTest, StartsTheRoutineOnceAfterTheWindowIsShownAndShowsItsProgress) {
    OpenMainDialog();
    CCopyScript script;
    script.nFiles = 7;
    platform::CStringArray copied{"left over"};
    CProgressDlg dialog("C:\\WORDGAME", &copied, [&script](CCopyProgress& p) { script(p); });
    EXPECT_EQ(dialog.m_nStatus, kStatusCompleted);
    m_ui.OnNextDialog([&](framework::CDialog& shown) {
        EXPECT_EQ(script.nRuns, 1);
        EXPECT_TRUE(shown.IsEnded());
        EXPECT_EQ(shown.GetModalResult(), framework::CommandOk);
        // A second delivery of the posted start starts nothing.
        shown.OnCommand(IDC_START, framework::CommandCode::Posted);
        EXPECT_EQ(script.nRuns, 1);
    });
    dialog.DoModal();
    EXPECT_TRUE(script.bVisibleAtStart);
    EXPECT_EQ(dialog.GetWindowText(), kCaption);
    EXPECT_EQ(copied.size(), 7u);
    EXPECT_EQ(copied.front(), "C:\\WORDGAME\\FILE1");
    ASSERT_EQ(script.statusTexts.size(), 8u);
    EXPECT_EQ(script.statusTexts[0], "");  // empty until the first file
    EXPECT_EQ(script.statusTexts[1], "Copying file 1 of 7...");
    EXPECT_EQ(script.statusTexts[7], "Copying file 7 of 7...");
    EXPECT_EQ(AccessibleName(*dialog.GetDlgItem(IDC_STATUS)), "Copying file 7 of 7...");
    auto* pBar = dialog.GetDlgItemAs<framework::CProgressCtrl>(IDC_PROGRESS);
    const int nShown = pBar->GetPos();
    pBar->SetPos(std::numeric_limits<int>::max());  // held at the top of the range
    const int nMaximum = pBar->GetPos();
    EXPECT_EQ(script.barValues[2], nMaximum * 3 / 7);
    EXPECT_EQ(nShown, nMaximum);
    EXPECT_FALSE(AccessibleName(*pBar).empty());
    EXPECT_EQ(m_ui.Pumps(), 7);
    dialog.SetProgress(5, 0);  // nothing to copy: the bar stays at its start
    EXPECT_EQ(pBar->GetPos(), 0);
    dialog.SetProgress(~0ull, ~0ull);  // counts beyond any product stay in range
    EXPECT_EQ(pBar->GetPos(), nMaximum);
}

// The uninstall with windows, as the program runs it for "setup --uninstall": one
// question, the removal in the progress window, a last message naming what was kept.
// The record is written as documented; the digests are the standard SHA-256 test
// vectors of "abc" and of nothing.
TEST_F(CSetupFixture, UninstallAsksRemovesInTheProgressWindowAndNamesWhatWasKept) {
    m_drive.MakeDirectories("WORDGAME");
    const char* const abc = "ba7816bf8f01cfea414140de5dae2223b00361a396177a9cb410ff61f20015ad";
    m_drive.Drive().Write("WORDGAME/SAME.TXT", "abc");
    m_drive.Drive().Write("WORDGAME/CHANGED.TXT", "abc and more");
    m_drive.Drive().Write("WORDGAME/EMPTY", "");
    m_drive.Drive().Write("WORDGAME/uninstall.dat",
                          std::string("setup-uninstall-record\t1\ncaption\tWord Game Setup\n"
                                      "folder\tC:\\WORDGAME\ncreated\t.\n") +
                              "file\t3\t" + abc + "\tSAME.TXT\nfile\t3\t" + abc +
                              "\tCHANGED.TXT\nfile\t0\t"
                              "e3b0c44298fc1c149afbf4c8996fb92427ae41e4649b934ca495991b7852b855"
                              "\tEMPTY\nlauncher\t3\t" +
                              abc + "\t" + m_drive.Host("Elsewhere.desktop") + "\n");
    // A launcher the record names outside the launcher folders is not touched.
    m_drive.Drive().Write("Elsewhere.desktop", "abc");
    m_ui.Answer(MessageResult::Yes);
    m_ui.OnNextDialog([](framework::CDialog& dialog) {
        EXPECT_TRUE(dialog.IsEnded());
        EXPECT_EQ(dialog.GetDlgItemText(IDC_STATUS), "Removing C:\\WORDGAME\\SAME.TXT...");
    });
    m_ui.Answer(MessageResult::Ok);
    m_pApp->m_uninstall = CUninstallRequest{true, m_drive.Host("WORDGAME"), false};
    EXPECT_FALSE(m_pApp->InitInstance());
    const std::vector<std::string> shown = Shown();
    ASSERT_EQ(shown.size(), 3u);
    EXPECT_EQ(shown[0], "Remove Word Game Setup from C:\\WORDGAME?");
    EXPECT_EQ(shown[1], "[" + std::to_string(IDD_PROGRESS) + "]");
    EXPECT_EQ(shown[2].rfind("Word Game Setup was removed from C:\\WORDGAME.", 0), 0u) << shown[2];
    EXPECT_NE(shown[2].find("C:\\WORDGAME\\CHANGED.TXT"), std::string::npos) << shown[2];
    EXPECT_EQ(shown[2].find("SAME.TXT"), std::string::npos) << shown[2];
    EXPECT_EQ(m_ui.Transcript()[0].buttons, platform::MessageButtons::YesNo);
    EXPECT_FALSE(std::filesystem::exists(m_drive.Host("WORDGAME/SAME.TXT")));
    EXPECT_FALSE(std::filesystem::exists(m_drive.Host("WORDGAME/EMPTY")));
    EXPECT_FALSE(std::filesystem::exists(m_drive.Host("WORDGAME/uninstall.dat")));
    EXPECT_EQ(m_drive.Drive().Read("WORDGAME/CHANGED.TXT"), "abc and more");
    EXPECT_EQ(m_drive.Drive().Read("Elsewhere.desktop"), "abc");
}

// A cancel confirmed during the removal stops before the next item and says so; what
// is left stays installed, with its record, for another run.
TEST_F(CSetupFixture, UninstallCancelledKeepsTheRecordAndTheRest) {
    m_drive.MakeDirectories("WORDGAME");
    m_drive.Drive().Write("WORDGAME/SAME.TXT", "abc");
    m_drive.Drive().Write("WORDGAME/uninstall.dat",
                          "setup-uninstall-record\t1\ncaption\tWord Game Setup\nfolder\t"
                          "C:\\WORDGAME\nfile\t3\t"
                          "ba7816bf8f01cfea414140de5dae2223b00361a396177a9cb410ff61f20015ad"
                          "\tSAME.TXT\n");
    m_ui.Answer(MessageResult::Yes);
    m_ui.OnNextDialog([](framework::CDialog& dialog) { EXPECT_TRUE(dialog.IsEnded()); });
    m_ui.OnNextPump([this] {
        ASSERT_NE(dynamic_cast<CProgressDlg*>(m_ui.RunningDialog()), nullptr);
        ClickItem(*m_ui.RunningDialog(), framework::CommandCancel);
    });
    m_ui.Answer(MessageResult::Yes);
    m_ui.Answer(MessageResult::Ok);
    m_pApp->m_uninstall = CUninstallRequest{true, m_drive.Host("WORDGAME"), false};
    EXPECT_FALSE(m_pApp->InitInstance());
    EXPECT_EQ(Shown().back(),
              "The removal of Word Game Setup from C:\\WORDGAME was cancelled.  The uninstall "
              "record was kept, so that the uninstall can be run again.");
    EXPECT_EQ(m_drive.Drive().Read("WORDGAME/SAME.TXT"), "abc");
    EXPECT_TRUE(std::filesystem::exists(m_drive.Host("WORDGAME/uninstall.dat")));
}

}  // namespace
}  // namespace setup_ui_test
