#include "tests/game_ui/GameFixture.h"

#include "framework/Dialog.h"
#include "game/ui/QuitGameDlg.h"
#include "game/ui/Resource.h"
#include "platform/ProgramPath.h"

namespace game_ui_test {

using namespace lettrino;

const std::vector<std::string> kSplatterWords = {
    "ALES",    "ART",    "LAP",     "LAST",   "LEAPS",  "PALER", "PALES", "PARS", "PET",   "PLATE",
    "PLATTER", "RATTLE", "RATTLES", "SALE",   "SATE",   "SEA",   "SEAL",  "SEAR", "SLAT",  "SPA",
    "SPAT",    "SPATE",  "SPRAT",   "STALER", "STAPLE", "TAPES", "TARS",  "TEAL", "TEARS", "TRAP"};

CGameFixture::CGameFixture() {
    platform::OverrideProgramPath(m_dir.File("Lettrino"));
}

CGameFixture::~CGameFixture() {
    m_app.m_pMainWnd = nullptr;
    m_pDlg.reset();
    platform::OverrideProgramPath("");
}

void CGameFixture::OpenDialogOnly() {
    m_app.InitApplication();
    m_pDlg = std::make_unique<CLettrinoDlg>();
    m_app.m_pMainWnd = m_pDlg.get();
    m_pDlg->CreateAndInitialize();
    testing_support::ActivateWindow(*m_pDlg);
}

void CGameFixture::OpenGame(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines) {
        text += line + "\r\n";
    }
    m_dir.Write("Lettrino.txt", text);
    OpenDialogOnly();
    testing_support::DeliverPostedCommands(*m_pDlg);
    ASSERT_NE(m_pDlg->GetDictionary(), nullptr);
}

void CGameFixture::OpenSplatterGame() {
    std::vector<std::string> lines = {"ZOO", "SPLATTER", "QUIZ"};
    lines.insert(lines.end(), kSplatterWords.begin(), kSplatterWords.end());
    OpenGame(lines);
}

void CGameFixture::StartGame(std::string* pStartText) {
    m_ui.OnNextDialog([pStartText](framework::CDialog& dialog) {
        if (pStartText) {
            *pStartText = dialog.GetDlgItemText(IDC_START_MESSAGE);
        }
        testing_support::Click(dialog, framework::CommandOk);
    });
    Click(IDC_START_GAME);
}

CGameFixture::CQuitResult CGameFixture::QuitGame() {
    CQuitResult result;
    m_ui.OnNextDialog([&result](framework::CDialog& dialog) {
        auto& quit = dynamic_cast<CQuitGameDlg&>(dialog);
        result.foundHeading = quit.GetDlgItemText(IDC_FOUND_HEADING);
        result.missedHeading = quit.GetDlgItemText(IDC_MISSED_HEADING);
        for (int i = 0; i < quit.m_pFoundList->GetCount(); ++i) {
            result.found.push_back(quit.m_pFoundList->GetText(i));
        }
        for (int i = 0; i < quit.m_pMissedList->GetCount(); ++i) {
            result.missed.push_back(quit.m_pMissedList->GetText(i));
        }
        testing_support::Press(dialog, testing_support::Key::Escape);
        EXPECT_TRUE(quit.IsEnded());
    });
    Click(IDC_QUIT_GAME);
    return result;
}

void CGameFixture::Type(const std::string& keys) {
    ASSERT_NE(m_pDlg->GetFocusedControl(), nullptr);
    testing_support::Type(*m_pDlg, keys);
}

void CGameFixture::ClickCube(int nCube) {
    Click(IDC_CUBE1 + nCube - 1);
}

void CGameFixture::Click(int nId) {
    testing_support::Click(*m_pDlg, nId);
}

void CGameFixture::AddWord(const std::string& word) {
    Word().SetFocus();
    Type(word);
    Press(testing_support::Key::Enter);
}

void CGameFixture::Press(testing_support::Key key, testing_support::Modifier modifier) {
    ASSERT_NE(m_pDlg->GetFocusedControl(), nullptr);
    testing_support::Press(*m_pDlg, key, modifier);
}

std::string CGameFixture::Cubes() const {
    std::string cubes;
    for (int i = 0; i < kCubeCount; ++i) {
        const auto* pCube = m_pDlg->GetDlgItemAs<framework::CButton>(IDC_CUBE1 + i);
        if (!pCube->IsWindowVisible()) {
            continue;
        }
        const std::string caption = pCube->GetWindowText();
        const char letter = caption.empty() ? '_' : caption[0];
        cubes += pCube->IsWindowEnabled() ? letter : static_cast<char>(std::tolower(letter));
    }
    return cubes;
}

std::vector<std::string> CGameFixture::FoundWords() const {
    std::vector<std::string> words;
    const framework::CListBox* pList = m_pDlg->GetFoundList();
    for (int i = 0; i < pList->GetCount(); ++i) {
        words.push_back(pList->GetText(i));
    }
    return words;
}

}  // namespace game_ui_test
