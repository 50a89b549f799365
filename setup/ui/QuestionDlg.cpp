#include "setup/ui/QuestionDlg.h"

#include "framework/Static.h"
#include "setup/config/SetupIni.h"
#include "setup/config/StringTable.h"
#include "setup/ui/QuestionIcon.h"
#include "setup/ui/Resource.h"
#include "setup/ui/SetupLayout.h"

namespace setup {

CQuestionDlg::CQuestionDlg(std::string strQuestion, CDialog* pParent)
    : CDialog(QuestionDialogTemplate(), pParent), m_strQuestion(std::move(strQuestion)) {}

bool CQuestionDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    PlaceAtOwnerOrigin();
    SetWindowText(ReadIniString("Setup", "Caption"));
    SetDlgItemText(IDC_QUESTION, m_strQuestion);
    if (auto* pIcon = GetDlgItemAs<framework::CStatic>(IDC_QUESTION_ICON)) {
        pIcon->SetIcon(QuestionIcon());
        pIcon->SetAccessibleName(LoadSetupString(IDS_NAME_QUESTION_ICON));
    }
    return true;  // "&Yes", the first tab stop, takes the focus
}

bool CQuestionDlg::OnCommand(int nId, framework::CommandCode code) {
    if (code == framework::CommandCode::Clicked) {
        switch (nId) {
            case IDC_YES:
                Answer(kAnswerYes);
                return true;
            case IDC_NO:
                Answer(kAnswerNo);
                return true;
            case IDC_YES_TO_ALL:
                Answer(kAnswerYesToAll);
                return true;
            default:
                break;
        }
    }
    return CDialog::OnCommand(nId, code);
}

void CQuestionDlg::Answer(int nAnswer) {
    m_nAnswer = nAnswer;
    OnOK();
}

}  // namespace setup
