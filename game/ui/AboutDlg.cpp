#include "game/ui/AboutDlg.h"

#include "framework/Static.h"
#include "game/engine/StringTable.h"
#include "game/ui/LettrinoLayout.h"
#include "game/ui/PencilIcon.h"
#include "game/ui/Resource.h"

namespace lettrino {

CAboutDlg::CAboutDlg(CDialog* pParent) : CDialog(AboutDialogTemplate(), pParent) {}

bool CAboutDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    CenterWindow();
    if (auto* pIcon = GetDlgItemAs<framework::CStatic>(IDC_ABOUT_ICON)) {
        pIcon->SetIcon(PencilIcon());
        // The icon stands for the program and is announced by its name.
        pIcon->SetAccessibleName(LoadGameString(IDS_MAIN_TITLE));
    }
    return true;
}

}  // namespace lettrino
