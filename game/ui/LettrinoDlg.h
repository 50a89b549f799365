#pragma once

#include <cstdint>
#include <string>

#include "framework/Dialog.h"

namespace framework {
class CButton;
class CEdit;
class CListBox;
}  // namespace framework

namespace lettrino {

class CDictionary;

// The game's main window: every game is started, played and quit here. It owns the
// dictionary, which a command posted during initialisation loads once the window
// is on screen.
class CLettrinoDlg : public framework::CDialog {
public:
    explicit CLettrinoDlg(CDialog* pParent = nullptr);
    ~CLettrinoDlg() override;

    bool OnCommand(int nId, framework::CommandCode code) override;

    const framework::CListBox* GetFoundList() const { return m_pFoundList; }
    const CDictionary* GetDictionary() const { return m_pDictionary; }
    const std::string& GetPuzzleWord() const { return m_strPuzzleWord; }
    std::int32_t GetMaxWords() const { return m_nMaxWords; }
    std::int32_t GetTotalFound() const { return m_nTotalFound; }
    std::int32_t GetTotalMax() const { return m_nTotalMax; }

    void OnStartGame();
    void OnQuitGame();
    void OnAddWord();
    void OnClear();
    void OnLetterCube(int nCube);
    void OnUpdateWord();
    void OnSetFocusWord();
    void OnHelpContents();
    void OnAbout();
    void OnLoadDictionary();

protected:
    void DoDataExchange(framework::CDataExchange& dx) override;
    bool OnInitDialog() override;
    // The exit sequence.
    void OnOK() override;
    // Escape does nothing here: only Exit and the close box leave the game.
    void OnCancel() override;
    void OnClose() override;

private:
    void SetGameRunning(bool bRunning);
    void SetUpLetterCubes();
    // Captions cube `nCube` with `letter` (empty for none) and names it after it.
    void SetCubeLetter(int nCube, const std::string& letter);
    void SyncLetterCubes(const std::string& text);
    static bool ContainsNonLetter(const std::string& text);
    void ShowGameScore();
    void ShowAverageScore();
    framework::CButton* GetCube(int nCube) const;

    framework::CListBox* m_pFoundList = nullptr;
    framework::CButton* m_pAddWord = nullptr;
    framework::CButton* m_pClear = nullptr;
    framework::CEdit* m_pWord = nullptr;
    framework::CButton* m_pStartGame = nullptr;
    framework::CButton* m_pQuitGame = nullptr;
    framework::CIcon m_hIcon;
    std::string m_strPuzzleWord;
    std::int32_t m_nMaxWords = 0;
    std::int32_t m_nTotalFound = 0;
    std::int32_t m_nTotalMax = 0;
    CDictionary* m_pDictionary = nullptr;
    // The last text of the Word field that passed the input filter; a refused
    // change returns the field to it.
    std::string m_strLastAccepted;
};

}  // namespace lettrino
