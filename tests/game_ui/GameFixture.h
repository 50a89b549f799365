#pragma once

#include <gtest/gtest.h>
#include <string>
#include <vector>

#include "framework/Button.h"
#include "framework/Edit.h"
#include "framework/ListBox.h"
#include "game/ui/LettrinoApp.h"
#include "game/ui/LettrinoDlg.h"
#include "tests/support/ScriptedDialogUserInterface.h"
#include "tests/support/TempDir.h"

namespace game_ui_test {

// SPLATTER is the only entry of 8 or more letters, so every draw picks it; these
// 30 entries can be formed from it. PEAT, TAPE and PLATTERS can too but are not
// entries; ZOO and QUIZ cannot.
extern const std::vector<std::string> kSplatterWords;
constexpr int kSplatterMax = 30;

// A running main dialog over a dictionary in a fresh folder, driven through the
// scripted seam. The dictionary is loaded by the dialog's own posted command.
class CGameFixture : public ::testing::Test {
public:
    CGameFixture();
    ~CGameFixture() override;

    // Writes the dictionary file, opens the dialog and lets the posted load run.
    void OpenGame(const std::vector<std::string>& lines);
    void OpenSplatterGame();
    // Opens the dialog without running the posted command.
    void OpenDialogOnly();

    // Clicks Start Game; the Start Game dialog's label text goes to `startText`.
    void StartGame(std::string* pStartText = nullptr);
    // Clicks Quit Game; the Quit Game dialog's lists and headings are captured.
    struct CQuitResult {
        std::string foundHeading, missedHeading;
        std::vector<std::string> found, missed;
    };
    CQuitResult QuitGame();

    void Type(const std::string& keys);
    void ClickCube(int nCube);
    void Click(int nId);
    void AddWord(const std::string& word);
    void Press(testing_support::Key key,
               testing_support::Modifier modifier = testing_support::Modifier::None);

    // The cubes in use as their letters, lower case where disabled.
    std::string Cubes() const;
    std::string Field() const {
        return m_pDlg->GetDlgItemAs<framework::CEdit>(1005)->GetWindowText();
    }
    std::vector<std::string> FoundWords() const;
    bool IsEnabled(int nId) const { return m_pDlg->GetDlgItem(nId)->IsWindowEnabled(); }
    std::string Text(int nId) const { return m_pDlg->GetDlgItemText(nId); }
    framework::CEdit& Word() const { return *m_pDlg->GetDlgItemAs<framework::CEdit>(1005); }

    testing_support::CTempDir m_dir;
    testing_support::CScriptedDialogUserInterface m_ui;
    lettrino::CLettrinoApp m_app;
    std::unique_ptr<lettrino::CLettrinoDlg> m_pDlg;
};

}  // namespace game_ui_test
