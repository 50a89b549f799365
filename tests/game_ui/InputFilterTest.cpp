// The Word field's input filter and the letter cubes kept in step with it, from
// the keyboard and from cube clicks. The puzzle is SPLATTER: cubes S P L A T T E R.
#include <ostream>

#include "game/ui/Resource.h"
#include "tests/game_ui/GameFixture.h"

namespace game_ui_test {
namespace {

using namespace lettrino;
using testing_support::Key;

struct CTypingCase {
    const char* name;
    const char* keys;
    const char* field;
    int beeps;
    const char* cubes;  // lower case: disabled
    // Names the case in test output instead of dumping its bytes.
    friend void PrintTo(const CTypingCase& c, std::ostream* os) { *os << c.name; }
};

class InputFilterTest : public CGameFixture, public ::testing::WithParamInterface<CTypingCase> {};

TEST_P(InputFilterTest, TypingIsFilteredAndDisablesCubes) {
    OpenSplatterGame();
    StartGame();
    ASSERT_TRUE(Word().HasFocus());
    const int beepsBefore = m_ui.Beeps();
    Type(GetParam().keys);
    EXPECT_EQ(Field(), GetParam().field);
    EXPECT_EQ(m_ui.Beeps() - beepsBefore, GetParam().beeps);
    EXPECT_EQ(Cubes(), GetParam().cubes);
    // A refusal leaves the caret at the end with nothing selected.
    const int nLength = static_cast<int>(Field().size());
    int nStart = -1, nEnd = -1;
    Word().GetSel(nStart, nEnd);
    EXPECT_EQ(std::pair(nStart, nEnd), std::pair(nLength, nLength));
    EXPECT_EQ(IsEnabled(IDC_CLEAR), !Field().empty());
    EXPECT_EQ(IsEnabled(IDC_ADD_WORD), Field().size() >= 3);
    EXPECT_TRUE(m_ui.Transcript().size() == 1);  // only the Start Game dialog
}

INSTANTIATE_TEST_SUITE_P(
    Keys, InputFilterTest,
    ::testing::Values(
        CTypingCase{"LowerCaseIsUpperCased", "spa", "SPA", 0, "spLaTTER"},
        CTypingCase{"OneLetter", "T", "T", 0, "SPLAtTER"},
        CTypingCase{"TwoLetters", "SE", "SE", 0, "sPLATTeR"},
        CTypingCase{"Digit", "SP3", "SP", 1, "spLATTER"},
        CTypingCase{"SpaceInside", "SP A", "SPA", 1, "spLaTTER"},
        CTypingCase{"LeadingSpace", " S", "S", 1, "sPLATTER"},
        CTypingCase{"Punctuation", "S-P.", "SP", 2, "spLATTER"},
        CTypingCase{"LongSIsNoLetterS", "\u017FPA", "PA", 1, "SpLaTTER"},
        CTypingCase{"LetterNotInPuzzle", "SPZ", "SP", 1, "spLATTER"},
        CTypingCase{"OneCopyTooMany", "SS", "S", 1, "sPLATTER"},
        CTypingCase{"DoubleLetterUsedUp", "TTT", "TT", 1, "SPLAttER"},
        CTypingCase{"PuzzleWordRefusedOnLastLetter", "SPLATTER", "SPLATTE", 1, "splatteR"},
        CTypingCase{"PuzzleWordInLowerCase", "splatter", "SPLATTE", 1, "splatteR"},
        CTypingCase{"AnagramAccepted", "PLATTERS", "PLATTERS", 0, "splatter"},
        CTypingCase{"NoMoreThanThePuzzleHas", "PLATTERSA", "PLATTERS", 0, "splatter"}),
    [](const auto& info) { return std::string(info.param.name); });

struct CCubeCase {
    const char* name;
    std::function<void(CGameFixture&)> act;
    const char* field;
    int beeps;
    const char* cubes;
    // Names the case in test output instead of dumping its bytes.
    friend void PrintTo(const CCubeCase& c, std::ostream* os) { *os << c.name; }
};

class CubeSyncTest : public CGameFixture, public ::testing::WithParamInterface<CCubeCase> {};

TEST_P(CubeSyncTest, CubesFollowTheField) {
    OpenSplatterGame();
    StartGame();
    const int beepsBefore = m_ui.Beeps();
    GetParam().act(*this);
    EXPECT_EQ(Field(), GetParam().field);
    EXPECT_EQ(m_ui.Beeps() - beepsBefore, GetParam().beeps);
    EXPECT_EQ(Cubes(), GetParam().cubes);
    EXPECT_TRUE(Word().HasFocus());
}

INSTANTIATE_TEST_SUITE_P(
    Actions, CubeSyncTest,
    ::testing::Values(CCubeCase{"ClickAppendsAndDisables", [](CGameFixture& f) { f.ClickCube(4); },
                                "A", 0, "SPLaTTER"},
                      CCubeCase{"ClickSecondTThenTypeT",
                                [](CGameFixture& f) {
                                    f.ClickCube(6);
                                    f.Type("T");
                                },
                                "TT", 0, "SPLAttER"},
                      CCubeCase{"TypeTTakesLowestEnabledT", [](CGameFixture& f) { f.Type("T"); },
                                "T", 0, "SPLAtTER"},
                      CCubeCase{"DeletingFreesLowestDisabled",
                                [](CGameFixture& f) {
                                    f.ClickCube(6);
                                    f.Type("T");
                                    f.Press(Key::Backspace);
                                },
                                "T", 0, "SPLATtER"},
                      CCubeCase{"DeletingAClickedLetter",
                                [](CGameFixture& f) {
                                    f.ClickCube(1);
                                    f.ClickCube(7);
                                    f.Press(Key::Backspace);
                                },
                                "S", 0, "sPLATTER"},
                      CCubeCase{"ClickingThePuzzleWordRefusesTheLastCube",
                                [](CGameFixture& f) {
                                    for (int i = 1; i <= 8; ++i) {
                                        f.ClickCube(i);
                                    }
                                },
                                "SPLATTE", 1, "splatteR"},
                      CCubeCase{"ClickingAnAnagram",
                                [](CGameFixture& f) {
                                    for (int i : {2, 3, 4, 5, 6, 7, 8, 1}) {
                                        f.ClickCube(i);
                                    }
                                },
                                "PLATTERS", 0, "splatter"},
                      CCubeCase{"ClearEnablesEveryCube",
                                [](CGameFixture& f) {
                                    f.Type("SEA");
                                    f.ClickCube(5);
                                    f.Click(IDC_CLEAR);
                                },
                                "", 0, "SPLATTER"}),
    [](const auto& info) { return std::string(info.param.name); });

using WordFocusTest = CGameFixture;

TEST_F(WordFocusTest, FocusOnTheFieldPutsTheCaretAtTheEnd) {
    OpenSplatterGame();
    StartGame();
    Type("SEAT");
    Word().SetSel(0, 2);
    Click(IDC_START_GAME);  // disabled: nothing happens
    m_pDlg->GetDlgItem(IDC_ADD_WORD)->SetFocus();
    Press(Key::Tab, testing_support::Modifier::Shift);  // back into the field
    int nStart = -1, nEnd = -1;
    Word().GetSel(nStart, nEnd);
    EXPECT_EQ(std::pair(nStart, nEnd), std::pair(4, 4));
}

}  // namespace
}  // namespace game_ui_test
