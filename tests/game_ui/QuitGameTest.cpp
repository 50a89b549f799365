// The Quit Game dialog: its two lists and headings as the main dialog leaves them.
#include <algorithm>

#include "game/ui/AboutDlg.h"
#include "game/ui/QuitGameDlg.h"
#include "game/ui/Resource.h"
#include "tests/game_ui/GameFixture.h"

namespace game_ui_test {
namespace {

using namespace lettrino;
using platform::MessageResult;

using QuitGameTest = CGameFixture;

std::vector<std::string> Without(std::vector<std::string> words,
                                 const std::vector<std::string>& removed) {
    std::erase_if(words, [&](const std::string& w) {
        return std::find(removed.begin(), removed.end(), w) != removed.end();
    });
    std::sort(words.begin(), words.end());
    return words;
}

TEST_F(QuitGameTest, NothingFoundListsEveryFormableEntryAsMissed) {
    OpenSplatterGame();
    StartGame();
    const CQuitResult result = QuitGame();
    EXPECT_EQ(result.foundHeading, "&You found the following 0 words:");
    EXPECT_TRUE(result.found.empty());
    EXPECT_EQ(result.missedHeading, "&In addition, you could have found the following 30 words:");
    EXPECT_EQ(result.missed, Without(kSplatterWords, {}));  // sorted, without ZOO and QUIZ
    EXPECT_EQ(m_ui.Transcript().back().title, "Quit Game");
}

TEST_F(QuitGameTest, FoundWordsAreListedSortedAndNotMissed) {
    OpenSplatterGame();
    StartGame();
    for (const char* word : {"TRAP", "SEA", "ALES"}) {
        AddWord(word);
    }
    const std::size_t busyBefore = m_ui.BusyChanges().size();
    const CQuitResult result = QuitGame();
    // The search for missed words runs under the busy pointer, switched off again.
    const std::vector<bool> busy(m_ui.BusyChanges().begin() + busyBefore, m_ui.BusyChanges().end());
    EXPECT_EQ(busy, (std::vector<bool>{true, false}));
    EXPECT_EQ(result.foundHeading, "&You found the following 3 words:");
    EXPECT_EQ(result.found, (std::vector<std::string>{"ALES", "SEA", "TRAP"}));
    EXPECT_EQ(result.missedHeading, "&In addition, you could have found the following 27 words:");
    EXPECT_EQ(result.missed, Without(kSplatterWords, {"TRAP", "SEA", "ALES"}));
}

TEST_F(QuitGameTest, WordsAddedNowCountAsFoundAndEarlierOnesCanBeMissed) {
    OpenSplatterGame();
    StartGame();
    m_ui.Answer(MessageResult::Yes);
    AddWord("TAPE");
    CQuitResult first = QuitGame();
    EXPECT_EQ(first.found, std::vector<std::string>{"TAPE"});
    EXPECT_EQ(std::count(first.missed.begin(), first.missed.end(), "TAPE"), 0);
    EXPECT_EQ(first.missed.size(), 30u);

    StartGame();  // the same puzzle again: TAPE is an entry now
    const CQuitResult second = QuitGame();
    EXPECT_TRUE(second.found.empty());
    EXPECT_EQ(second.missed.size(), 31u);
    EXPECT_EQ(std::count(second.missed.begin(), second.missed.end(), "TAPE"), 1);
}

TEST_F(QuitGameTest, EverythingFoundLeavesTheMissedListEmpty) {
    OpenSplatterGame();
    StartGame();
    for (const std::string& word : kSplatterWords) {
        AddWord(word);
    }
    const CQuitResult result = QuitGame();
    EXPECT_EQ(result.found.size(), 30u);
    EXPECT_EQ(result.missedHeading, "&In addition, you could have found the following 0 words:");
    EXPECT_TRUE(result.missed.empty());
}

TEST_F(QuitGameTest, AnOwnerOtherThanTheGameLeavesEverythingEmpty) {
    OpenSplatterGame();
    CAboutDlg stranger;
    CQuitGameDlg dialog("SPLATTER", &stranger);
    m_ui.OnNextDialog([](framework::CDialog& d) {
        auto& quit = dynamic_cast<CQuitGameDlg&>(d);
        EXPECT_EQ(quit.GetDlgItemText(IDC_FOUND_HEADING), "");
        EXPECT_EQ(quit.GetDlgItemText(IDC_MISSED_HEADING), "");
        EXPECT_EQ(quit.m_pFoundList->GetCount(), 0);
        EXPECT_EQ(quit.m_pMissedList->GetCount(), 0);
        EXPECT_TRUE(quit.m_pFoundList->IsWindowEnabled());
        EXPECT_TRUE(quit.m_pMissedList->IsWindowEnabled());
        testing_support::Click(quit, framework::CommandOk);
    });
    dialog.DoModal();
    EXPECT_EQ(m_ui.BusyDepth(), 0);
}

}  // namespace
}  // namespace game_ui_test
