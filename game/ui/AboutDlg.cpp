#include "game/ui/AboutDlg.h"

#include "framework/Static.h"
#include "game/ui/LettrinoLayout.h"
#include "game/ui/PencilIcon.h"
#include "game/ui/Resource.h"

namespace lettrino {

CAboutDlg::CAboutDlg(QWidget* pParent) : CDialog(AboutDialogTemplate(), pParent) {}

bool CAboutDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    CenterWindow();
    if (auto* pIcon = GetDlgItemAs<framework::CStatic>(IDC_ABOUT_ICON)) {
        pIcon->SetIcon(PencilIcon());
    }
    return true;
}

}  // namespace lettrino
