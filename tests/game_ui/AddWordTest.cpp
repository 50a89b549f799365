// Adding words: known, already listed, new with Yes and with No, and the score.
#include <ostream>

#include "game/engine/Dictionary.h"
#include "game/ui/Resource.h"
#include "tests/game_ui/GameFixture.h"

namespace game_ui_test {
namespace {

using namespace lettrino;
using platform::MessageButtons;
using platform::MessageIcon;
using platform::MessageResult;
using testing_support::ShownKind;

using AddWordTest = CGameFixture;

struct CAddCase {
    const char* name;
    std::vector<std::string> words;
    std::vector<MessageResult> answers;
    std::vector<std::string> boxes;  // texts of the message boxes shown, in order
    std::vector<std::string> found;
    const char* score;
    bool bModified;
    // Names the case in test output instead of dumping its bytes.
    friend void PrintTo(const CAddCase& c, std::ostream* os) { *os << c.name; }
};

class AddWordPathTest : public CGameFixture, public ::testing::WithParamInterface<CAddCase> {};

TEST_P(AddWordPathTest, ListScoreAndDictionaryFollowTheAnswer) {
    OpenSplatterGame();
    StartGame();
    m_ui.ClearTranscript();
    for (MessageResult answer : GetParam().answers) {
        m_ui.Answer(answer);
    }
    for (const std::string& word : GetParam().words) {
        AddWord(word);
        EXPECT_EQ(Field(), "") << word;
        EXPECT_EQ(Cubes(), "SPLATTER") << word;
        EXPECT_TRUE(Word().HasFocus()) << word;
    }
    std::vector<std::string> boxes;
    for (const auto& shown : m_ui.Transcript()) {
        EXPECT_EQ(shown.kind, ShownKind::MessageBox);
        EXPECT_EQ(shown.title, "Lettrino");
        const bool bQuestion = shown.text.starts_with("Is ");
        EXPECT_EQ(shown.icon, bQuestion ? MessageIcon::Question : MessageIcon::Information);
        EXPECT_EQ(shown.buttons, bQuestion ? MessageButtons::YesNo : MessageButtons::Ok);
        boxes.push_back(shown.text);
    }
    EXPECT_EQ(boxes, GetParam().boxes);
    EXPECT_EQ(FoundWords(), GetParam().found);
    EXPECT_EQ(Text(IDC_GAME_SCORE), GetParam().score);
    EXPECT_EQ(m_pDlg->GetDictionary()->IsModified(), GetParam().bModified);
    EXPECT_TRUE(m_ui.ScriptUsedUp());
}

INSTANTIATE_TEST_SUITE_P(Paths, AddWordPathTest,
                         ::testing::Values(CAddCase{"KnownWord",
                                                    {"SEA"},
                                                    {},
                                                    {},
                                                    {"SEA"},
                                                    "&Found 1 words from a maximum of 30 (3%):",
                                                    false},
                                           CAddCase{"ListedSorted",
                                                    {"TRAP", "ALES", "SEA"},
                                                    {},
                                                    {},
                                                    {"ALES", "SEA", "TRAP"},
                                                    "&Found 3 words from a maximum of 30 (10%):",
                                                    false},
                                           CAddCase{"AlreadyEntered",
                                                    {"SEA", "sea"},
                                                    {MessageResult::Ok},
                                                    {"\"SEA\" already entered."},
                                                    {"SEA"},
                                                    "&Found 1 words from a maximum of 30 (3%):",
                                                    false},
                                           CAddCase{"NewWordYes",
                                                    {"TAPE"},
                                                    {MessageResult::Yes},
                                                    {"Is \"TAPE\" a valid word?"},
                                                    {"TAPE"},
                                                    "&Found 1 words from a maximum of 30 (3%):",
                                                    true},
                                           CAddCase{"NewWordNo",
                                                    {"TAPE"},
                                                    {MessageResult::No},
                                                    {"Is \"TAPE\" a valid word?"},
                                                    {},
                                                    "&Found 0 words from a maximum of 30 (0%):",
                                                    false},
                                           CAddCase{"NewWordYesThenAgain",
                                                    {"PEAT", "PEAT"},
                                                    {MessageResult::Yes, MessageResult::Ok},
                                                    {"Is \"PEAT\" a valid word?",
                                                     "\"PEAT\" already entered."},
                                                    {"PEAT"},
                                                    "&Found 1 words from a maximum of 30 (3%):",
                                                    true}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(AddWordTest, EnterAddsOnlyFromTheThirdLetterOn) {
    OpenSplatterGame();
    StartGame();
    for (const char* keys : {"S", "E"}) {
        Type(keys);
        EXPECT_FALSE(IsEnabled(IDC_ADD_WORD));
        EXPECT_TRUE(IsEnabled(IDC_CLEAR));
        Press(testing_support::Key::Enter);
    }
    EXPECT_EQ(Field(), "SE");
    ClickCube(4);  // A; the clicked cube must not stay the button Enter presses
    EXPECT_TRUE(IsEnabled(IDC_ADD_WORD));
    Press(testing_support::Key::Enter);
    EXPECT_EQ(FoundWords(), std::vector<std::string>{"SEA"});
    EXPECT_EQ(m_ui.Transcript().size(), 1u);  // the Start Game dialog only
}

TEST_F(AddWordTest, ConfirmedNewWordsCanTakeTheScorePastOneHundredPercent) {
    OpenSplatterGame();
    StartGame();
    for (const std::string& word : kSplatterWords) {
        AddWord(word);
    }
    EXPECT_EQ(Text(IDC_GAME_SCORE), "&Found 30 words from a maximum of 30 (100%):");
    m_ui.Answer(MessageResult::Yes);
    AddWord("TAPE");
    EXPECT_EQ(Text(IDC_GAME_SCORE), "&Found 31 words from a maximum of 30 (103%):");
    EXPECT_TRUE(m_pDlg->GetDictionary()->Contains("TAPE"));
}

}  // namespace
}  // namespace game_ui_test
