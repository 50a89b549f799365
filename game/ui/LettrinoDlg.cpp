#include "game/ui/LettrinoDlg.h"

#include "framework/Button.h"
#include "framework/DataExchange.h"
#include "framework/Edit.h"
#include "framework/ListBox.h"
#include "framework/WinApp.h"
#include "game/engine/Dictionary.h"
#include "game/engine/Scoring.h"
#include "game/engine/StringTable.h"
#include "game/engine/Word.h"
#include "game/ui/AboutDlg.h"
#include "game/ui/LettrinoLayout.h"
#include "game/ui/PencilIcon.h"
#include "game/ui/QuitGameDlg.h"
#include "game/ui/Resource.h"
#include "game/ui/StartGameDlg.h"
#include "platform/Format.h"
#include "platform/UserInterface.h"

namespace lettrino {

using framework::CommandCode;

CLettrinoDlg::CLettrinoDlg(CDialog* pParent)
    : CDialog(MainDialogTemplate(), pParent), m_hIcon(PencilIcon()) {}

CLettrinoDlg::~CLettrinoDlg() {
    delete m_pDictionary;
}

void CLettrinoDlg::DoDataExchange(framework::CDataExchange& dx) {
    CDialog::DoDataExchange(dx);
    dx.Control(IDC_FOUND_LIST, m_pFoundList);
    dx.Control(IDC_ADD_WORD, m_pAddWord);
    dx.Control(IDC_CLEAR, m_pClear);
    dx.Control(IDC_WORD, m_pWord);
    dx.Control(IDC_START_GAME, m_pStartGame);
    dx.Control(IDC_QUIT_GAME, m_pQuitGame);
}

bool CLettrinoDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    CenterWindow();
    SetIcon(m_hIcon, true);
    SetIcon(m_hIcon, false);
    // The dialogs this one opens show the same icon in their title bars.
    SetClassIcon(m_hIcon);
    for (int i = 1; i <= kCubeCount; ++i) {
        SetCubeLetter(i, std::string());
    }
    // Until a game gives the list its heading.
    m_pFoundList->SetAccessibleName(LoadGameString(IDS_NAME_FOUND_LIST));
    PostCommand(ID_LOAD_DICTIONARY);
    GotoDlgCtrl(m_pStartGame);
    return false;
}

bool CLettrinoDlg::OnCommand(int nId, CommandCode code) {
    if (code == CommandCode::Posted) {
        if (nId == ID_LOAD_DICTIONARY) {
            OnLoadDictionary();
            return true;
        }
        return false;
    }
    if (nId == IDC_WORD) {
        if (code == CommandCode::Changed) {
            OnUpdateWord();
        } else if (code == CommandCode::SetFocus) {
            OnSetFocusWord();
        }
        return true;
    }
    if (code != CommandCode::Clicked) {
        return false;
    }
    if (nId >= IDC_CUBE1 && nId < IDC_CUBE1 + kCubeCount) {
        OnLetterCube(nId - IDC_CUBE1 + 1);
        return true;
    }
    switch (nId) {
        case IDC_START_GAME:
            OnStartGame();
            return true;
        case IDC_QUIT_GAME:
            OnQuitGame();
            return true;
        case IDC_ADD_WORD:
            OnAddWord();
            return true;
        case IDC_CLEAR:
            OnClear();
            return true;
        case IDC_HELP_CONTENTS:
            OnHelpContents();
            return true;
        case IDC_ABOUT:
            OnAbout();
            return true;
        default:
            return CDialog::OnCommand(nId, code);
    }
}

void CLettrinoDlg::OnLoadDictionary() {
    if (m_pDictionary != nullptr) {
        return;
    }
    // Reading a large dictionary takes a while without taking events: show the
    // window complete, under the busy pointer, before it starts.
    platform::CBusyScope busy;
    UpdateWindow();
    m_pDictionary = new CDictionary();
    // Ends the process with its message when the file cannot be read.
    m_pDictionary->Load();
}

void CLettrinoDlg::OnOK() {
    if (m_pDictionary != nullptr && !m_pDictionary->SaveIfModified()) {
        return;  // Writing failed and was reported: the player may try again.
    }
    if (framework::CWinApp* pApp = framework::CWinApp::GetApp()) {
        pApp->ShowHelp(framework::HelpCommand::Quit);
    }
    EndDialog(framework::CommandOk);
}

void CLettrinoDlg::OnCancel() {}

void CLettrinoDlg::OnClose() {
    OnOK();
}

void CLettrinoDlg::OnStartGame() {
    if (m_pDictionary == nullptr) {
        return;  // Not loaded yet; the posted command comes first.
    }
    m_pFoundList->ResetContent();
    SetDlgItemText(IDC_PUZZLE_WORD, std::string());
    if (!m_pDictionary->ChoosePuzzleWord(m_strPuzzleWord, m_nMaxWords)) {
        // No word of this dictionary can ever make a puzzle: say so and stay
        // without a game.
        m_strPuzzleWord.clear();
        m_nMaxWords = 0;
        platform::UserInterface().MessageBox(LoadGameString(IDS_NO_PUZZLE),
                                             platform::MessageIcon::Exclamation,
                                             platform::MessageButtons::Ok);
        GotoDlgCtrl(m_pStartGame);
        return;
    }
    SetDlgItemText(IDC_PUZZLE_WORD, m_strPuzzleWord);
    m_nTotalMax += m_nMaxWords;
    const std::string text =
        platform::FormatString(LoadGameString(IDS_START_GAME_TEXT), {m_strPuzzleWord, m_nMaxWords});
    ShowGameScore();
    SetUpLetterCubes();
    SetGameRunning(true);
    CStartGameDlg dialog(text);
    dialog.DoModal();
    m_pWord->LimitText(static_cast<int>(m_strPuzzleWord.size()));
    GotoDlgCtrl(m_pWord);
}

framework::CButton* CLettrinoDlg::GetCube(int nCube) const {
    return GetDlgItemAs<framework::CButton>(IDC_CUBE1 + nCube - 1);
}

void CLettrinoDlg::SetCubeLetter(int nCube, const std::string& letter) {
    framework::CButton* pCube = GetCube(nCube);
    if (pCube == nullptr) {
        return;
    }
    pCube->SetWindowText(letter);
    // A cube is announced by its letter; one without a letter by a word that says so.
    pCube->SetAccessibleName(letter.empty() ? std::string(LoadGameString(IDS_NAME_EMPTY_CUBE))
                                            : letter);
}

void CLettrinoDlg::SetUpLetterCubes() {
    const int n = static_cast<int>(m_strPuzzleWord.size());
    for (int i = 1; i <= kCubeCount; ++i) {
        framework::CButton* pCube = GetCube(i);
        if (pCube == nullptr) {
            continue;
        }
        if (i <= n) {
            SetCubeLetter(i, std::string(1, m_strPuzzleWord[i - 1]));
            pCube->EnableWindow(true);
            pCube->ShowWindow(true);
        } else {
            pCube->EnableWindow(false);
            pCube->ShowWindow(false);
        }
    }
}

void CLettrinoDlg::SetGameRunning(bool bRunning) {
    m_pStartGame->EnableWindow(!bRunning);
    m_pQuitGame->EnableWindow(bRunning);
    m_pFoundList->EnableWindow(bRunning);
    m_pWord->EnableWindow(bRunning);
    if (!bRunning) {
        for (int i = 1; i <= kCubeCount; ++i) {
            if (framework::CButton* pCube = GetCube(i)) {
                pCube->EnableWindow(false);
            }
        }
    }
}

bool CLettrinoDlg::ContainsNonLetter(const std::string& text) {
    for (const char c : text) {
        const bool bLetter = (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
        if (!bLetter) {
            return true;
        }
    }
    return false;
}

void CLettrinoDlg::OnUpdateWord() {
    const std::string text = m_pWord->GetWindowText();
    std::string reference;
    PrepareWord(reference, m_strPuzzleWord, true);

    bool bAccepted = true;
    if (!text.empty()) {
        std::string candidate;
        if (ContainsNonLetter(text) || !PrepareWord(candidate, text, false) ||
            !IsFormable(candidate, reference)) {
            bAccepted = false;
        }
    }
    if (bAccepted) {
        m_strLastAccepted = text;
    } else {
        platform::UserInterface().Beep();
        // Setting the text runs this filter once more, which accepts it.
        m_pWord->SetWindowText(m_strLastAccepted);
        const int end = static_cast<int>(m_pWord->GetWindowText().size());
        m_pWord->SetSel(end, end);
    }

    const std::string current = m_pWord->GetWindowText();
    SyncLetterCubes(current);
    m_pClear->EnableWindow(!current.empty());
    m_pAddWord->EnableWindow(current.size() >= 3);
}

void CLettrinoDlg::SyncLetterCubes(const std::string& text) {
    const int n = std::min<int>(static_cast<int>(m_strPuzzleWord.size()), kCubeCount);
    for (char letter = 'A'; letter <= 'Z'; ++letter) {
        int need = 0;
        for (const char c : text) {
            need += c == letter ? 1 : 0;
        }
        int used = 0;
        for (int i = 1; i <= n; ++i) {
            const framework::CButton* pCube = GetCube(i);
            if (pCube && !pCube->IsWindowEnabled() && pCube->GetWindowText().starts_with(letter)) {
                ++used;
            }
        }
        // One pass suffices for texts that passed the filter; the bound on passes
        // keeps any other text from looping for ever.
        for (int pass = 0; pass < 2 && used != need; ++pass) {
            for (int i = 1; i <= n; ++i) {
                framework::CButton* pCube = GetCube(i);
                if (pCube == nullptr || !pCube->GetWindowText().starts_with(letter)) {
                    continue;
                }
                if (pCube->IsWindowEnabled() && used < need) {
                    pCube->EnableWindow(false);
                    ++used;
                } else if (!pCube->IsWindowEnabled() && used > need) {
                    pCube->EnableWindow(true);
                    --used;
                }
            }
        }
    }
}

void CLettrinoDlg::OnLetterCube(int nCube) {
    framework::CButton* pCube = GetCube(nCube);
    if (pCube == nullptr) {
        return;
    }
    const std::string letter = pCube->GetWindowText();
    pCube->EnableWindow(false);
    m_pWord->SetWindowText(m_pWord->GetWindowText() + letter);
    GotoDlgCtrl(m_pWord);
}

void CLettrinoDlg::OnSetFocusWord() {
    const int end = static_cast<int>(m_pWord->GetWindowText().size());
    m_pWord->SetSel(end, end);
}

void CLettrinoDlg::OnAddWord() {
    const std::string word = m_pWord->GetWindowText();
    if (m_pFoundList->FindStringExact(-1, word) >= 0) {
        platform::UserInterface().MessageBox(
            platform::FormatString(LoadGameString(IDS_ALREADY_ENTERED), {word}),
            platform::MessageIcon::Information, platform::MessageButtons::Ok);
        m_pWord->SetWindowText(std::string());
    } else if (m_pDictionary->Contains(word)) {
        m_pFoundList->AddString(word);
        m_pWord->SetWindowText(std::string());
        ShowGameScore();
    } else if (platform::UserInterface().MessageBox(
                   platform::FormatString(LoadGameString(IDS_VALID_WORD), {word}),
                   platform::MessageIcon::Question,
                   platform::MessageButtons::YesNo) == platform::MessageResult::Yes) {
        m_pDictionary->AddWord(word);
        m_pFoundList->AddString(word);
        m_pWord->SetWindowText(std::string());
        ShowGameScore();
    } else {
        m_pWord->SetWindowText(std::string());
    }
    GotoDlgCtrl(m_pWord);
}

void CLettrinoDlg::OnClear() {
    m_pWord->SetWindowText(std::string());
    GotoDlgCtrl(m_pWord);
}

void CLettrinoDlg::OnQuitGame() {
    m_nTotalFound += m_pFoundList->GetCount();
    ShowAverageScore();
    m_pWord->SetWindowText(std::string());
    SetGameRunning(false);
    CQuitGameDlg dialog(m_strPuzzleWord);
    dialog.DoModal();
    GotoDlgCtrl(m_pStartGame);
}

void CLettrinoDlg::ShowGameScore() {
    const int found = m_pFoundList->GetCount();
    SetDlgItemText(IDC_GAME_SCORE, platform::FormatString(
                                       LoadGameString(IDS_GAME_SCORE),
                                       {found, m_nMaxWords, GamePercentage(found, m_nMaxWords)}));
}

void CLettrinoDlg::ShowAverageScore() {
    SetDlgItemText(IDC_AVERAGE_SCORE,
                   platform::FormatString(LoadGameString(IDS_AVERAGE_SCORE),
                                          {AverageScore(m_nTotalFound, m_nTotalMax)}));
}

void CLettrinoDlg::OnHelpContents() {
    if (framework::CWinApp* pApp = framework::CWinApp::GetApp()) {
        pApp->ShowHelp(framework::HelpCommand::Contents);
    }
}

void CLettrinoDlg::OnAbout() {
    CAboutDlg dialog;
    dialog.DoModal();
}

}  // namespace lettrino
