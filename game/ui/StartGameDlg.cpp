#include "game/ui/StartGameDlg.h"

#include "game/ui/LettrinoLayout.h"
#include "game/ui/Resource.h"

namespace lettrino {

CStartGameDlg::CStartGameDlg(std::string strText, CDialog* pParent)
    : CDialog(StartGameDialogTemplate(), pParent), m_strText(std::move(strText)) {}

bool CStartGameDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    CenterWindow();
    SetDlgItemText(IDC_START_MESSAGE, m_strText);
    return true;
}

}  // namespace lettrino
