#include "setup/ui/ProgressDlg.h"

#include <algorithm>

#include "framework/ProgressCtrl.h"
#include "platform/UserInterface.h"
#include "setup/config/SetupIni.h"
#include "setup/config/StringTable.h"
#include "setup/ui/Resource.h"
#include "setup/ui/SetupLayout.h"

namespace setup {

namespace {

// The bar's resolution: fine enough for a smooth bar, small enough for an int.
constexpr int kProgressSteps = 1000;

}  // namespace

CProgressDlg::CProgressDlg(std::string strTargetDirectory, platform::CStringArray* pCopiedFiles,
                           CCopyRoutine copyRoutine, CDialog* pParent)
    : CDialog(ProgressDialogTemplate(), pParent),
      m_strTargetDirectory(std::move(strTargetDirectory)),
      m_pCopiedFiles(pCopiedFiles ? pCopiedFiles : &m_ownCopiedFiles),
      m_copyRoutine(std::move(copyRoutine)) {}

bool CProgressDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    CenterWindow();
    SetWindowText(ReadIniString("Setup", "Caption"));
    if (auto* pBar = GetDlgItemAs<framework::CProgressCtrl>(IDC_PROGRESS)) {
        pBar->SetRange(0, kProgressSteps);
        pBar->SetPos(0);
        pBar->SetAccessibleName(LoadSetupString(IDS_NAME_PROGRESS));
    }
    // Taken from the queue once the dialog's loop runs, after it is on screen.
    PostCommand(IDC_START);
    return true;  // Cancel, the only tab stop, takes the focus
}

bool CProgressDlg::OnCommand(int nId, framework::CommandCode code) {
    if (nId == IDC_START) {
        if (code == framework::CommandCode::Posted && !m_bStarted) {
            m_bStarted = true;
            CopyFiles();
        }
        return true;
    }
    return CDialog::OnCommand(nId, code);
}

void CProgressDlg::CopyFiles() {
    if (!m_copyRoutine) {
        EndProgress();  // nothing to copy: the dialog must not stay open for good
        return;
    }
    m_copyRoutine(*this);
}

void CProgressDlg::SetStatusText(const std::string& text) {
    SetDlgItemText(IDC_STATUS, text);
}

void CProgressDlg::SetProgress(std::uint64_t nDone, std::uint64_t nTotal) {
    auto* pBar = GetDlgItemAs<framework::CProgressCtrl>(IDC_PROGRESS);
    if (pBar == nullptr) {
        return;
    }
    int nValue = 0;
    if (nTotal > 0) {
        // In floating point: the byte counts may exceed what a product with the
        // scale factor could hold.
        const double dShare =
            static_cast<double>(std::min(nDone, nTotal)) / static_cast<double>(nTotal);
        nValue = static_cast<int>(dShare * kProgressSteps);
    }
    pBar->SetPos(nValue);
}

void CProgressDlg::OnCancel() {
    // The copy routine waits inside the event that brought this here until the
    // question is answered, so copying pauses meanwhile.
    const platform::MessageResult answer = platform::UserInterface().MessageBox(
        LoadSetupString(IDS_CONFIRM_CANCEL), platform::MessageIcon::Question,
        platform::MessageButtons::YesNo);
    if (answer != platform::MessageResult::Yes) {
        return;
    }
    m_nStatus = kStatusCancelled;
    EndDialog(framework::CommandCancel);
}

}  // namespace setup
