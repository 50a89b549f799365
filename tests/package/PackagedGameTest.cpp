// The Debian package's game, extracted as it is installed, played by a player with a
// home folder of the test's own: the shared dictionary is read, the word the player
// adds is saved into the player's copy with the backup beside it, the packaged file
// stays as shipped, and the next start reads the player's copy.
#include <QCoreApplication>
#include <algorithm>
#include <cstdlib>

#include "game/engine/Dictionary.h"
#include "game/engine/DictionaryLocation.h"
#include "platform/ProgramPath.h"
#include "tests/game_ui/GameFixture.h"
#include "tests/setup_engine/EnvironmentScope.h"

namespace {

class PackagedGameTest : public game_ui_test::CGameFixture {};

TEST_F(PackagedGameTest, SharedDictionaryIsReadAndThePlayersCopySaved) {
    ASSERT_EQ(std::system(("dpkg-deb -x " PACKAGE_FILE " " + m_dir.File("root")).c_str()), 0);
    // Installed files are the system's: the player may write none of them.
    ASSERT_EQ(std::system(("chmod -R a-w " + m_dir.File("root")).c_str()), 0);
    const std::string packaged = "root/usr/share/games/lettrino/Lettrino.txt";
    const std::string copy = "home/.local/share/lettrino/Lettrino";
    const std::string shipped = m_dir.Read(packaged);
    testing_support::CEnvironmentScope environment;
    environment.Set("HOME", m_dir.File("home"));
    environment.Unset("XDG_DATA_HOME");

    platform::OverrideProgramPath(m_dir.File("root/usr/games/Lettrino"));
    OpenDialogOnly();
    QCoreApplication::sendPostedEvents();
    const lettrino::CDictionary* pDictionary = m_pDlg->GetDictionary();
    ASSERT_NE(pDictionary, nullptr);
    EXPECT_EQ(lettrino::CDictionaryLocation::InstalledFile(".HLP"),
              m_dir.File("root/usr/share/games/lettrino/Lettrino.HLP"));
    StartGame();
    // Three letters of the puzzle word in an order the dictionary lacks: a new word.
    const std::string puzzle = m_pDlg->GetPuzzleWord();
    std::string word;
    for (std::size_t i = 0; word.empty() && i + 3 <= puzzle.size(); ++i) {
        std::string letters = puzzle.substr(i, 3);
        std::sort(letters.begin(), letters.end());
        do {
            word = pDictionary->Contains(letters) ? "" : letters;
        } while (word.empty() && std::next_permutation(letters.begin(), letters.end()));
    }
    m_ui.Answer(platform::MessageResult::Yes);  // it is a word
    AddWord(word);
    m_ui.Answer(platform::MessageResult::Yes);  // save the dictionary
    Click(framework::CommandOk);
    EXPECT_TRUE(m_ui.ScriptUsedUp()) << word;

    // The copy holds every packaged word, so they were all read. Compared whole, but
    // never printed whole: the dictionary is large.
    EXPECT_TRUE(m_dir.Read(packaged) == shipped);
    EXPECT_TRUE(m_dir.Read(copy + ".txt") == shipped + word + "\r\n");
    EXPECT_TRUE(m_dir.Read(copy + ".bak") == shipped);
    lettrino::CDictionary next;
    next.Load();
    EXPECT_TRUE(next.Contains(word));
    EXPECT_EQ(std::system(("chmod -R u+w " + m_dir.File("root")).c_str()), 0);
}

}  // namespace
