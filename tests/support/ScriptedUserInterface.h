#pragma once

#include <deque>
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

// Records every message box into a transcript and answers from a script. A box
// that finds the script empty fails the running test and is answered with its
// default (OK, or Yes), so an unexpected question never blocks.
class CScriptedUserInterface : public platform::CUserInterface {
public:
    CScriptedUserInterface();
    ~CScriptedUserInterface() override;

    void Answer(platform::MessageResult result) { m_script.push_back(result); }
    const std::vector<CShownBox>& Transcript() const { return m_transcript; }
    void ClearTranscript() { m_transcript.clear(); }
    int Beeps() const { return m_beeps; }
    bool ScriptUsedUp() const { return m_script.empty(); }
    // Every time the pointer was switched on or off, in order.
    const std::vector<bool>& BusyChanges() const { return m_busyChanges; }

    platform::MessageResult MessageBox(const std::string& text, platform::MessageIcon icon,
                                       platform::MessageButtons buttons) override;
    void Beep() override { ++m_beeps; }
    [[noreturn]] void ExitProcess(int exitCode) override;

protected:
    void ShowBusyPointer(bool busy) override { m_busyChanges.push_back(busy); }

private:
    std::deque<platform::MessageResult> m_script;
    std::vector<CShownBox> m_transcript;
    std::vector<bool> m_busyChanges;
    int m_beeps = 0;
};

}  // namespace testing_support
