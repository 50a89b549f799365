#include "tests/setup_engine/ScriptedInstaller.h"

#include <gtest/gtest.h>

#include "setup/config/StringTable.h"

namespace testing_support {

class CScriptedInstaller::CProgress : public setup::CCopyProgress {
public:
    CProgress(CScriptedInstaller& owner, const std::string& target,
              platform::CStringArray& copiedFiles)
        : m_owner(owner), m_strTarget(target), m_copiedFiles(copiedFiles) {}

    const std::string& TargetDirectory() const override { return m_strTarget; }
    platform::CStringArray& CopiedFiles() override { return m_copiedFiles; }
    int Status() const override { return m_nStatus; }
    void SetStatus(int nStatus) override { m_nStatus = nStatus; }
    void SetStatusText(const std::string& text) override {
        m_owner.m_lines.push_back("status " + text);
    }
    void SetProgress(std::uint64_t nDone, std::uint64_t nTotal) override {
        m_owner.m_progress.emplace_back(nDone, nTotal);
    }
    void EndProgress() override {
        m_owner.m_lines.push_back("end");
        ++m_owner.m_nEnds;
    }

private:
    CScriptedInstaller& m_owner;
    std::string m_strTarget;
    platform::CStringArray& m_copiedFiles;
    int m_nStatus = setup::kStatusCompleted;
};

void CScriptedInstaller::CancelDuringFile(int number, bool confirm) {
    // Events are pumped before every file: the click made during file `number` is
    // handled by the pump before file `number` + 1.
    for (int i = 0; i < number; ++i) {
        OnNextPump([] {});
    }
    m_yesNoAnswers.push_back(confirm);
    OnNextPump([this] {
        // The progress window's Cancel command, as the real window runs it.
        if (MessageBox(setup::LoadSetupString(setup::IDS_CONFIRM_CANCEL),
                       platform::MessageIcon::Question,
                       platform::MessageButtons::YesNo) == platform::MessageResult::Yes) {
            m_pActiveProgress->SetStatus(setup::kStatusCancelled);
        }
    });
}

platform::MessageResult CScriptedInstaller::MessageBox(const std::string& text,
                                                       platform::MessageIcon icon,
                                                       platform::MessageButtons buttons) {
    const char* mark = icon == platform::MessageIcon::Exclamation   ? "! "
                       : icon == platform::MessageIcon::Information ? "i "
                       : icon == platform::MessageIcon::Question    ? "? "
                                                                    : "- ";
    m_lines.push_back(mark + text);
    if (buttons == platform::MessageButtons::Ok) {
        return platform::MessageResult::Ok;
    }
    if (m_yesNoAnswers.empty()) {
        ADD_FAILURE() << "unexpected question: " << text;
        return platform::MessageResult::No;
    }
    const bool yes = m_yesNoAnswers.front();
    m_yesNoAnswers.pop_front();
    return yes ? platform::MessageResult::Yes : platform::MessageResult::No;
}

bool CScriptedInstaller::ChooseDirectory(std::string& fullPath) {
    m_lines.push_back("directory");
    if (m_strChosenPath) {
        fullPath = *m_strChosenPath;
    }
    return m_strChosenPath.has_value();
}

int CScriptedInstaller::RunProgress(const std::string& targetDirectory,
                                    platform::CStringArray& copiedFiles,
                                    const setup::CCopyRoutine& copy) {
    m_lines.push_back("progress " + targetDirectory);
    CProgress progress(*this, targetDirectory, copiedFiles);
    m_pActiveProgress = &progress;
    copy(progress);
    m_pActiveProgress = nullptr;
    return progress.Status();
}

int CScriptedInstaller::AskQuestion(const std::string& question) {
    m_lines.push_back("question " + question);
    if (m_questionAnswers.empty()) {
        ADD_FAILURE() << "unexpected file question: " << question;
        return setup::kAnswerNo;
    }
    const int answer = m_questionAnswers.front();
    m_questionAnswers.pop_front();
    return answer;
}

}  // namespace testing_support
