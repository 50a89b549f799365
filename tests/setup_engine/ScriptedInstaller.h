#pragma once

#include <cstdint>
#include <deque>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "setup/engine/InstallerWindows.h"
#include "tests/support/ScriptedUserInterface.h"

namespace testing_support {

// The installer's windows and message boxes as a test stands in for them: every
// dialog, box, question and status text goes into one transcript in the order the
// user would have seen it, and the answers come from a script. Boxes with only OK
// are answered OK; yes/no boxes and file questions take the next scripted answer.
//
// Transcript lines: "directory", "progress <target>", "status <text>", "end",
// "question <text>", and boxes as "! <text>" (exclamation), "i <text>"
// (information) or "? <text>" (yes/no question).
class CScriptedInstaller : public CScriptedUserInterface, public setup::CInstallerWindows {
public:
    // The directory dialog ends with OK and `path`; without one it is cancelled.
    std::optional<std::string> m_strChosenPath;
    std::deque<bool> m_yesNoAnswers;  // yes/no boxes: true for Yes
    std::deque<int> m_questionAnswers;

    // The user clicks Cancel while file `number` is copied and confirms it, or
    // (with `confirm` false) declines: the click is handled before the next file.
    void CancelDuringFile(int number, bool confirm = true);

    const std::vector<std::string>& Lines() const { return m_lines; }
    // Every progress report, in order.
    const std::vector<std::pair<std::uint64_t, std::uint64_t>>& Progress() const {
        return m_progress;
    }
    int ProgressEnds() const { return m_nEnds; }

    platform::MessageResult MessageBox(const std::string& text, platform::MessageIcon icon,
                                       platform::MessageButtons buttons) override;
    bool ChooseDirectory(std::string& fullPath) override;
    int RunProgress(const std::string& targetDirectory, platform::CStringArray& copiedFiles,
                    const setup::CCopyRoutine& copy) override;
    int AskQuestion(const std::string& question) override;

private:
    class CProgress;

    std::vector<std::string> m_lines;
    std::vector<std::pair<std::uint64_t, std::uint64_t>> m_progress;
    int m_nEnds = 0;
    setup::CCopyProgress* m_pActiveProgress = nullptr;
};

}  // namespace testing_support
