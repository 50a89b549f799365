// The delivered product end to end: the product folder's setup installs the word game
// into a home folder of the test's own, and the installed game, under the upper-case
// names the copy gives it, loads, extends and saves the dictionary it was installed
// with.
#include <QCoreApplication>
#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>

#include "game/engine/Dictionary.h"
#include "game/engine/Word.h"
#include "platform/ProgramPath.h"
#include "setup/engine/InstallationRun.h"
#include "setup/engine/PostCopyActions.h"
#include "setup/engine/UninstallRun.h"
#include "tests/game_ui/GameFixture.h"
#include "tests/setup_engine/EnvironmentScope.h"
#include "tests/setup_engine/ScriptedInstaller.h"
#include "tests/support/DriveScope.h"

namespace {

namespace fs = std::filesystem;
using platform::MessageResult;

std::set<std::string> FileNames(const fs::path& folder) {
    std::set<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder)) {
        names.insert(entry.path().filename().string());
    }
    return names;
}

std::string ReadFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// A word of three letters of `puzzle` that the dictionary lacks: the player's new word.
std::string NewWordFrom(const std::string& puzzle, const lettrino::CDictionary& dictionary) {
    for (char a : puzzle) {
        for (char b : puzzle) {
            for (char c : puzzle) {
                const std::string word{a, b, c};
                if (lettrino::IsFormable(word, puzzle) && !dictionary.Contains(word)) {
                    return word;
                }
            }
        }
    }
    return std::string();
}

class ProductInstallTest : public game_ui_test::CGameFixture {};

TEST_F(ProductInstallTest, InstalledGameLoadsAndSavesItsOwnDictionary) {
    testing_support::CDriveScope drive;
    testing_support::CEnvironmentScope environment;
    environment.Set("HOME", drive.Host(""));
    environment.Set("XDG_DATA_HOME", drive.Host("share"));
    environment.Set("XDG_CONFIG_HOME", drive.Host("config"));
    const fs::path installed = drive.Host("Games/Lettrino");
    {
        testing_support::CScriptedInstaller installer;
        installer.m_strChosenPath = "C:\\Games\\Lettrino";
        installer.m_yesNoAnswers = {false};  // no desktop launcher
        platform::OverrideProgramPath(std::string(PRODUCT_DIR) + "/setup");
        std::string installDirectory;
        setup::RunInstallation(installer, installDirectory, setup::RunPostCopyActions);
        EXPECT_EQ(installDirectory, "C:\\Games\\Lettrino\\");
        EXPECT_EQ(installer.Lines().back(),
                  "i Lettrino is ready to play: start it from your applications menu. Press F1 "
                  "in the game to read how to play.");
    }
    platform::SetUserInterface(&m_ui);  // the installer's script stood in until here
    EXPECT_EQ(FileNames(installed),
              (std::set<std::string>{"LETTRINO", "LETTRINO.PNG", "LETTRINO.TXT", "LETTRINO.HLP",
                                     "LETTRINO.COPYING", "setup", "setup-windows.so", "setup.ini",
                                     "uninstall.dat"}));
    const std::string launcher = ReadFile(drive.Host("share/applications/Lettrino.desktop"));
    EXPECT_NE(launcher.find("Icon=" + (installed / "LETTRINO.PNG").string() + "\n"),
              std::string::npos);
    EXPECT_NE(launcher.find("Exec=" + (installed / "LETTRINO").string() + "\n"), std::string::npos)
        << launcher;

    platform::OverrideProgramPath((installed / "LETTRINO").string());
    OpenDialogOnly();
    QCoreApplication::sendPostedEvents();
    const lettrino::CDictionary* pDictionary = m_pDlg->GetDictionary();
    ASSERT_NE(pDictionary, nullptr);
    const std::string shipped = ReadFile(fs::path(PRODUCT_DIR) / "Lettrino.txt");
    EXPECT_EQ(pDictionary->GetSize(),
              static_cast<std::size_t>(std::count(shipped.begin(), shipped.end(), '\n')));
    EXPECT_EQ(m_app.GetHelpFilePath(), (installed / "LETTRINO.HLP").string());

    StartGame();
    const std::string word = NewWordFrom(m_pDlg->GetPuzzleWord(), *pDictionary);
    ASSERT_FALSE(word.empty());
    m_ui.Answer(MessageResult::Yes);  // it is a word
    AddWord(word);
    EXPECT_EQ(FoundWords(), std::vector<std::string>{word});
    m_ui.Answer(MessageResult::Yes);  // save the dictionary
    Click(framework::CommandOk);
    EXPECT_TRUE(m_pDlg->IsEnded());
    EXPECT_TRUE(m_ui.ScriptUsedUp());

    // One dictionary, saved in place, and its backup beside it.
    EXPECT_EQ(FileNames(installed),
              (std::set<std::string>{"LETTRINO", "LETTRINO.PNG", "LETTRINO.TXT", "LETTRINO.bak",
                                     "LETTRINO.HLP", "LETTRINO.COPYING", "setup",
                                     "setup-windows.so", "setup.ini", "uninstall.dat"}));
    EXPECT_NE(ReadFile(installed / "LETTRINO.TXT").find("\r\n" + word + "\r\n"), std::string::npos);
    EXPECT_EQ(ReadFile(installed / "LETTRINO.bak"), shipped);

    // The uninstall keeps the dictionary the game saved and its backup, and only those.
    {
        testing_support::CScriptedInstaller uninstaller;
        uninstaller.m_yesNoAnswers = {true};
        EXPECT_EQ(setup::RunUninstall(uninstaller, installed.string(), false),
                  setup::UninstallOutcome::Removed);
    }
    platform::SetUserInterface(&m_ui);
    EXPECT_EQ(FileNames(installed), (std::set<std::string>{"LETTRINO.TXT", "LETTRINO.bak"}));
    EXPECT_FALSE(fs::exists(drive.Host("share/applications/Lettrino.desktop")));
}

}  // namespace
