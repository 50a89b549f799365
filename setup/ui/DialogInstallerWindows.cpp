#include "setup/ui/DialogInstallerWindows.h"

#include "setup/ui/DirectoryDlg.h"
#include "setup/ui/ProgressDlg.h"
#include "setup/ui/QuestionDlg.h"

namespace setup {

bool CDialogInstallerWindows::ChooseDirectory(std::string& fullPath) {
    CDirectoryDlg dialog;
    if (dialog.DoModal() != framework::CommandOk) {
        return false;
    }
    fullPath = dialog.m_szFullPath;
    return true;
}

int CDialogInstallerWindows::RunProgress(const std::string& targetDirectory,
                                         platform::CStringArray& copiedFiles,
                                         const CCopyRoutine& copy) {
    CProgressDlg dialog(targetDirectory, &copiedFiles, copy);
    dialog.DoModal();
    return dialog.m_nStatus;
}

int CDialogInstallerWindows::AskQuestion(const std::string& question) {
    CQuestionDlg dialog(question);
    if (dialog.DoModal() != framework::CommandOk) {
        return kAnswerNone;
    }
    return dialog.m_nAnswer;
}

}  // namespace setup
