#include "game/ui/QuitGameDlg.h"

#include "framework/DataExchange.h"
#include "framework/ListBox.h"
#include "game/engine/Dictionary.h"
#include "game/engine/StringTable.h"
#include "game/ui/LettrinoDlg.h"
#include "game/ui/LettrinoLayout.h"
#include "game/ui/Resource.h"
#include "platform/Format.h"
#include "platform/UserInterface.h"

namespace lettrino {

CQuitGameDlg::CQuitGameDlg(std::string strPuzzleWord, CDialog* pParent)
    : CDialog(QuitGameDialogTemplate(), pParent), m_strPuzzleWord(std::move(strPuzzleWord)) {}

void CQuitGameDlg::DoDataExchange(framework::CDataExchange& dx) {
    CDialog::DoDataExchange(dx);
    dx.Control(IDC_MISSED_LIST, m_pMissedList);
    dx.Control(IDC_QUIT_FOUND_LIST, m_pFoundList);
}

bool CQuitGameDlg::OnInitDialog() {
    platform::CBusyScope busy;
    CDialog::OnInitDialog();
    CenterWindow();

    // Only the game's main dialog has the lists to read; with any other owner both
    // headings and both lists stay empty.
    const auto* pOwner = dynamic_cast<const CLettrinoDlg*>(GetOwner());
    if (pOwner == nullptr || m_pFoundList == nullptr || m_pMissedList == nullptr) {
        return true;
    }
    const framework::CListBox* pOwnerList = pOwner->GetFoundList();
    const int found = pOwnerList ? pOwnerList->GetCount() : 0;
    for (int i = 0; i < found; ++i) {
        m_pFoundList->AddString(pOwnerList->GetText(i));
    }
    SetDlgItemText(IDC_FOUND_HEADING,
                   platform::FormatString(LoadGameString(IDS_FOUND_HEADING), {found}));

    CStringArray formable;
    if (const CDictionary* pDictionary = pOwner->GetDictionary()) {
        pDictionary->FindFormableWords(m_strPuzzleWord, formable);
    }
    for (const std::string& word : formable) {
        if (m_pFoundList->FindStringExact(-1, word) < 0) {
            m_pMissedList->AddString(word);
        }
    }
    SetDlgItemText(IDC_MISSED_HEADING, platform::FormatString(LoadGameString(IDS_MISSED_HEADING),
                                                              {m_pMissedList->GetCount()}));
    return true;
}

}  // namespace lettrino
