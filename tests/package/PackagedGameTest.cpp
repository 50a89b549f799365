// The Debian package's game, extracted as it is installed, played by a player with a
// home folder of the test's own: the shared dictionary is read, the word the player
// adds is saved into the player's copy with the backup beside it, the packaged file
// stays as shipped, and the next start reads the player's copy.
#include <QCoreApplication>
#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "game/engine/Dictionary.h"
#include "platform/ProgramPath.h"
#include "tests/game_ui/GameFixture.h"
#include "tests/setup_engine/EnvironmentScope.h"

namespace {

namespace fs = std::filesystem;
using platform::MessageResult;

std::string ReadFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

class PackagedGameTest : public game_ui_test::CGameFixture {};

TEST_F(PackagedGameTest, SharedDictionaryIsReadAndThePlayersCopySaved) {
    const fs::path root = m_dir.Path() / "root";
    ASSERT_EQ(std::system(("dpkg-deb -x " + std::string(PACKAGE_FILE) + " " + root.string()).c_str()), 0);
    const fs::path packaged = root / "usr/share/games/lettrino/Lettrino.txt";
    const fs::path copy = m_dir.Path() / "home/.local/share/lettrino";
    testing_support::CEnvironmentScope environment;
    environment.Set("HOME", m_dir.File("home"));
    environment.Unset("XDG_DATA_HOME");
    const std::string shipped = ReadFile(SHIPPED_DICTIONARY);

    platform::OverrideProgramPath((root / "usr/games/Lettrino").string());
    OpenDialogOnly();
    QCoreApplication::sendPostedEvents();
    ASSERT_NE(m_pDlg->GetDictionary(), nullptr);
    EXPECT_EQ(m_pDlg->GetDictionary()->GetSize(),
              static_cast<std::size_t>(std::count(shipped.begin(), shipped.end(), '\n')));
    EXPECT_TRUE(fs::is_regular_file(m_app.GetHelpFilePath()));
    StartGame();
    // Three letters of the puzzle word in an order the dictionary lacks: a new word.
    const std::string puzzle = m_pDlg->GetPuzzleWord();
    std::string word;
    for (std::size_t i = 0; word.empty() && i + 3 <= puzzle.size(); ++i) {
        std::string letters = puzzle.substr(i, 3);
        std::sort(letters.begin(), letters.end());
        do {
            word = m_pDlg->GetDictionary()->Contains(letters) ? "" : letters;
        } while (word.empty() && std::next_permutation(letters.begin(), letters.end()));
    }
    ASSERT_FALSE(word.empty());
    m_ui.Answer(MessageResult::Yes);  // it is a word
    AddWord(word);
    m_ui.Answer(MessageResult::Yes);  // save the dictionary
    Click(framework::CommandOk);
    EXPECT_TRUE(m_pDlg->IsEnded());
    EXPECT_TRUE(m_ui.ScriptUsedUp());

    EXPECT_EQ(ReadFile(packaged), shipped);
    EXPECT_EQ(ReadFile(copy / "Lettrino.txt"), shipped + word + "\r\n");
    EXPECT_EQ(ReadFile(copy / "Lettrino.bak"), shipped);
    lettrino::CDictionary next;
    next.Load();
    EXPECT_TRUE(next.Contains(word));
}

}  // namespace
