#pragma once

#include <deque>
#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

#include "platform/UserInterface.h"

namespace testing_support {

// Thrown where the real program would end the process, so a test can observe it.
struct CProcessExit : std::runtime_error {
    explicit CProcessExit(int code) : std::runtime_error("process exit"), exitCode(code) {}
    int exitCode;
};

// One box as the user would have seen it.
struct CShownBox {
    std::string title;
    std::string text;
    platform::MessageIcon icon;
    platform::MessageButtons buttons;
    int busyDepth;  // the busy pointer's count while the box was up
};

// Fails the running test for a box the script did not expect.
void ReportUnexpectedBox(const std::string& text);

// Records every message box into a transcript and answers from a script. A box
// that finds the script empty fails the running test and is answered with its
// default (OK, or Yes), so an unexpected question never blocks.
//
// `TInterface` is the user-interface hook being stood in for (the plain one or the
// dialog-capable one); `TShown` is the transcript entry, a CShownBox or a type
// that can be built from one.
template <class TInterface, class TShown>
class CScriptedMessages : public TInterface {
public:
    CScriptedMessages() { platform::SetUserInterface(this); }
    ~CScriptedMessages() override { platform::SetUserInterface(nullptr); }

    void Answer(platform::MessageResult result) { m_answers.push_back(result); }
    // The next PumpEvents call runs `step` in place of the pending events (a click
    // on Cancel, say); a pump that finds no step does nothing.
    void OnNextPump(std::function<void()> step) { m_pumpSteps.push_back(std::move(step)); }
    int Pumps() const { return m_nPumps; }
    const std::vector<TShown>& Transcript() const { return m_transcript; }
    void ClearTranscript() { m_transcript.clear(); }
    int Beeps() const { return m_nBeeps; }
    bool ScriptUsedUp() const { return m_answers.empty() && m_pumpSteps.empty(); }
    // Every time the pointer was switched on or off, in order.
    const std::vector<bool>& BusyChanges() const { return m_busyChanges; }

    platform::MessageResult MessageBox(const std::string& text, platform::MessageIcon icon,
                                       platform::MessageButtons buttons) override {
        Record(TShown{CShownBox{platform::DisplayName(), text, icon, buttons, this->BusyDepth()}});
        if (m_answers.empty()) {
            ReportUnexpectedBox(text);
            return buttons == platform::MessageButtons::YesNo ? platform::MessageResult::Yes
                                                              : platform::MessageResult::Ok;
        }
        const platform::MessageResult answer = m_answers.front();
        m_answers.pop_front();
        return answer;
    }
    void Beep() override { ++m_nBeeps; }
    void PumpEvents() override {
        ++m_nPumps;
        if (m_pumpSteps.empty()) {
            return;
        }
        const std::function<void()> step = std::move(m_pumpSteps.front());
        m_pumpSteps.pop_front();
        step();
    }
    [[noreturn]] void ExitProcess(int exitCode) override { throw CProcessExit(exitCode); }

protected:
    void ShowBusyPointer(bool busy) override { m_busyChanges.push_back(busy); }
    void Record(TShown shown) { m_transcript.push_back(std::move(shown)); }

private:
    std::deque<platform::MessageResult> m_answers;
    std::vector<TShown> m_transcript;
    std::vector<bool> m_busyChanges;
    std::deque<std::function<void()>> m_pumpSteps;
    int m_nBeeps = 0;
    int m_nPumps = 0;
};

using CScriptedUserInterface = CScriptedMessages<platform::CUserInterface, CShownBox>;
extern template class CScriptedMessages<platform::CUserInterface, CShownBox>;

}  // namespace testing_support
