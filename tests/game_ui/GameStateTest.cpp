// The two states of the main dialog and the switches between them.
#include "framework/Static.h"
#include "game/engine/StringTable.h"
#include "game/ui/Resource.h"
#include "tests/game_ui/GameFixture.h"
#ifndef _WIN32
#include <QImage>
#include <QLabel>

#include "framework/qt/DialogWindow.h"
#include "framework/qt/QtWidget.h"
#endif

namespace game_ui_test {
namespace {

using namespace lettrino;
using namespace testing_support;

using GameStateTest = CGameFixture;

// Which of the state-dependent controls are enabled, in a fixed order.
std::string EnabledControls(const CGameFixture& f) {
    std::string state;
    constexpr int kIds[] = {IDC_START_GAME,    IDC_QUIT_GAME, IDC_WORD,
                            IDC_FOUND_LIST,    IDC_ADD_WORD,  IDC_CLEAR,
                            IDC_HELP_CONTENTS, IDC_ABOUT,     framework::CommandOk};
    for (const int id : kIds) {
        state += f.IsEnabled(id) ? '1' : '0';
    }
    return state;
}

TEST_F(GameStateTest, OpensWithoutAGame) {
    OpenSplatterGame();
    EXPECT_EQ(EnabledControls(*this), "100000111");
    EXPECT_EQ(Cubes(), "________________");  // all 16 visible, empty and disabled
    EXPECT_EQ(Text(IDC_AVERAGE_SCORE), "Average Score:");
    EXPECT_EQ(Text(IDC_GAME_SCORE), "");
    EXPECT_EQ(Text(IDC_PUZZLE_WORD), "");
    EXPECT_EQ(FoundWords().size(), 0u);
    EXPECT_TRUE(m_pDlg->GetDlgItem(IDC_START_GAME)->HasFocus());
    EXPECT_EQ(m_pDlg->GetWindowText(), "Lettrino");
}

TEST_F(GameStateTest, StartGameAnnouncesThePuzzleAndEnablesPlay) {
    OpenSplatterGame();
    std::string startText;
    StartGame(&startText);
    EXPECT_EQ(startText,
              "Find words from the letters of:\nSPLATTER\n\nAt least 30 words can be found.");
    ASSERT_EQ(m_ui.Transcript().size(), 1u);
    EXPECT_EQ(m_ui.Transcript()[0].kind, ShownKind::Dialog);
    EXPECT_EQ(m_ui.Transcript()[0].title, "Start Game");
    EXPECT_EQ(m_ui.Transcript()[0].nTemplateId, IDD_START_GAME);

    EXPECT_EQ(EnabledControls(*this), "011100111");
    EXPECT_EQ(Cubes(), "SPLATTER");  // cubes 9 to 16 hidden
    EXPECT_EQ(Text(IDC_PUZZLE_WORD), "SPLATTER");
    EXPECT_EQ(Text(IDC_GAME_SCORE), "&Found 0 words from a maximum of 30 (0%):");
    EXPECT_EQ(Word().GetLimitText(), 8);
    EXPECT_TRUE(Word().HasFocus());
    EXPECT_EQ(m_pDlg->GetTotalMax(), 30);
}

TEST_F(GameStateTest, QuitKeepsTheResultsGreyedUntilTheNextStart) {
    OpenSplatterGame();
    StartGame();
    AddWord("SEA");
    Type("PA");
    QuitGame();
    EXPECT_EQ(EnabledControls(*this), "100000111");
    EXPECT_EQ(Field(), "");
    EXPECT_EQ(Cubes(), "splatter");
    EXPECT_EQ(FoundWords(), std::vector<std::string>{"SEA"});
    EXPECT_EQ(Text(IDC_PUZZLE_WORD), "SPLATTER");
    EXPECT_EQ(Text(IDC_GAME_SCORE), "&Found 1 words from a maximum of 30 (3%):");
    EXPECT_EQ(Text(IDC_AVERAGE_SCORE), "Average Score: 3%\n");
    EXPECT_TRUE(m_pDlg->GetDlgItem(IDC_START_GAME)->HasFocus());

    StartGame();
    EXPECT_TRUE(FoundWords().empty());
    EXPECT_EQ(Cubes(), "SPLATTER");
    QuitGame();
    // The average is taken over the totals: 1 of 60.
    EXPECT_EQ(Text(IDC_AVERAGE_SCORE), "Average Score: 1%\n");
    EXPECT_EQ(m_pDlg->GetTotalFound(), 1);
    EXPECT_EQ(m_pDlg->GetTotalMax(), 60);
}

TEST_F(GameStateTest, SixteenLetterPuzzleUsesEveryCube) {
    OpenGame(
        {"CHARACTERIZATION", "ACHE",    "ARCHAIC", "CARAT", "CATER",  "CHICER",  "COCAINE", "COIN",
         "CONCEIT",          "CORNET",  "HAZE",    "HERON", "IRONIC", "ITCHIER", "NACHO",   "OAR",
         "OCTANE",           "ONCE",    "ORC",     "ORE",   "RANTER", "RATIO",   "REACH",   "REACT",
         "RETAIN",           "RETRAIN", "RHINO",   "TEN",   "TRENCH", "ZENITH",  "ZINC"});
    StartGame();
    EXPECT_EQ(Cubes(), "CHARACTERIZATION");
    Type("CHARACTERIZATIO");
    Type("N");
    EXPECT_EQ(Field(), "CHARACTERIZATIO");
    EXPECT_EQ(Cubes(), "characterizatioN");
}

TEST_F(GameStateTest, NoPuzzleWordSaysSoAndStaysWithoutAGame) {
    OpenGame({"SEA", "TEA", "PLATTERS"});
    m_ui.Answer(platform::MessageResult::Ok);
    Click(IDC_START_GAME);
    ASSERT_EQ(m_ui.Transcript().size(), 1u);
    EXPECT_EQ(m_ui.Transcript()[0].kind, ShownKind::MessageBox);
    EXPECT_EQ(m_ui.Transcript()[0].icon, platform::MessageIcon::Exclamation);
    EXPECT_EQ(m_ui.Transcript()[0].text, LoadGameString(IDS_NO_PUZZLE));
    EXPECT_EQ(EnabledControls(*this), "100000111");
    EXPECT_EQ(Text(IDC_PUZZLE_WORD), "");
    EXPECT_EQ(m_pDlg->GetTotalMax(), 0);
}

// During a game every control is in reach of the keyboard: Tab walks the layout's
// order over the enabled controls, and a label's or group box's mnemonic leads to
// the control after it, in the main dialog and in the Quit Game dialog alike.
TEST_F(GameStateTest, KeyboardReachesTheControlsInLayoutOrder) {
    OpenSplatterGame();
    StartGame();
    Type("SEA");
    ClickCube(2);  // P; the field keeps the focus
    std::vector<int> expected = {IDC_WORD,      IDC_ADD_WORD,      IDC_CLEAR, IDC_FOUND_LIST,
                                 IDC_QUIT_GAME, IDC_HELP_CONTENTS, IDC_ABOUT, framework::CommandOk};
    for (const int cube : {3, 5, 6, 8}) {  // S, P, A and E are taken
        expected.push_back(IDC_CUBE1 + cube - 1);
    }
    expected.push_back(IDC_WORD);
    for (std::size_t i = 1; i < expected.size(); ++i) {
        Press(Key::Tab);
        EXPECT_TRUE(m_pDlg->GetDlgItem(expected[i])->HasFocus()) << i;
    }

    struct Row {
        char key;
        int nFocus;
    };
    for (const Row row : {Row{'F', IDC_FOUND_LIST}, Row{'W', IDC_WORD}}) {
        m_pDlg->GetDlgItem(IDC_HELP_CONTENTS)->SetFocus();
        PressAlt(*m_pDlg, row.key);
        EXPECT_TRUE(m_pDlg->GetDlgItem(row.nFocus)->HasFocus()) << row.key;
    }

    m_ui.OnNextDialog([](framework::CDialog& dialog) {
        ActivateWindow(dialog);
        for (const Row row : {Row{'Y', IDC_QUIT_FOUND_LIST}, Row{'I', IDC_MISSED_LIST}}) {
            dialog.GetDlgItem(framework::CommandOk)->SetFocus();
            PressAlt(dialog, row.key);
            EXPECT_TRUE(dialog.GetDlgItem(row.nFocus)->HasFocus()) << row.key;
        }
        testing_support::Click(dialog, framework::CommandOk);
    });
    Click(IDC_QUIT_GAME);
    EXPECT_TRUE(m_ui.ScriptUsedUp());
}

TEST_F(GameStateTest, AboutShowsNameVersionAndIcon) {
    OpenSplatterGame();
    bool bIconShown = false;
    m_ui.OnNextDialog([&](framework::CDialog& dialog) {
        auto* pIcon = dialog.GetDlgItemAs<framework::CStatic>(IDC_ABOUT_ICON);
        bIconShown = pIcon && pIcon->HasIcon();
        testing_support::Press(dialog, Key::Escape);
    });
    Click(IDC_ABOUT);
    EXPECT_TRUE(bIconShown);
    ASSERT_EQ(m_ui.Transcript().size(), 1u);
    EXPECT_EQ(m_ui.Transcript()[0].title, "About");
    EXPECT_EQ(m_ui.Transcript()[0].text, "Lettrino v. 1.00 for Windows 95, Windows 98, and NT");
}

// What the Qt backend shows: the icon in the main window's title bar and in the About
// box; and the found list, empty when a game starts, shows that it has the focus all
// the same.
#ifndef _WIN32
TEST_F(GameStateTest, TheIconAndTheFocusOfTheEmptyFoundListShow) {
    OpenSplatterGame();
    EXPECT_FALSE(m_pDlg->GetWindow().windowIcon().isNull());
    bool bIconShown = false;
    m_ui.OnNextDialog([&](framework::CDialog& dialog) {
        bIconShown =
            !framework::WidgetAs<QLabel>(*dialog.GetDlgItem(IDC_ABOUT_ICON))->pixmap().isNull();
        dialog.EndDialog(framework::CommandOk);
    });
    Click(IDC_ABOUT);
    EXPECT_TRUE(bIconShown);

    StartGame();
    QWidget* pList = framework::Widget(*m_pDlg->GetDlgItem(IDC_FOUND_LIST));
    const QImage unfocused = pList->grab().toImage();
    PressAlt(*m_pDlg, 'F');  // the style marks a focus the keyboard moved
    ASSERT_TRUE(m_pDlg->GetDlgItem(IDC_FOUND_LIST)->HasFocus());
    EXPECT_NE(pList->grab().toImage(), unfocused);
}
#endif

}  // namespace
}  // namespace game_ui_test
