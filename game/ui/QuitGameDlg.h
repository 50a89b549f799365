#pragma once

#include <string>

#include "framework/Dialog.h"

namespace framework {
class CListBox;
}

namespace lettrino {

// The result of a game: the words found and the words that could have been found.
// Both are read from the main dialog that owns this one.
class CQuitGameDlg : public framework::CDialog {
public:
    explicit CQuitGameDlg(std::string strPuzzleWord, CDialog* pParent = nullptr);

    framework::CListBox* m_pMissedList = nullptr;
    framework::CListBox* m_pFoundList = nullptr;

protected:
    void DoDataExchange(framework::CDataExchange& dx) override;
    bool OnInitDialog() override;

private:
    std::string m_strPuzzleWord;
};

}  // namespace lettrino
