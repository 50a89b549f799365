#pragma once

#include <string>

#include "framework/Dialog.h"
#include "setup/engine/InstallerWindows.h"

namespace setup {

// Asks one question with the answers Yes, No and Yes to All. It opens at its
// owner's client origin rather than centred.
class CQuestionDlg : public framework::CDialog {
public:
    explicit CQuestionDlg(std::string strQuestion, CDialog* pParent = nullptr);

    bool OnCommand(int nId, framework::CommandCode code) override;

    std::string m_strQuestion;
    // One of QuestionAnswer; kAnswerNone unless an answer button ended the dialog.
    int m_nAnswer = kAnswerNone;

protected:
    bool OnInitDialog() override;

private:
    void Answer(int nAnswer);
};

}  // namespace setup
