#pragma once

#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "framework/DialogUserInterface.h"

class QWidget;

namespace framework {
class CDialog;
}

namespace testing_support {

enum class ShownKind { MessageBox, Dialog };

// One window as the user would have seen it. For a dialog, `text` holds the texts
// of its labels in tab order, one a line, as they were after initialisation.
struct CShownWindow {
    ShownKind kind;
    std::string title;
    std::string text;
    platform::MessageIcon icon;
    platform::MessageButtons buttons;
    int busyDepth;
    int nTemplateId;
};

// The test seam for everything modal: records every message box and every modal
// dialog into one transcript and answers from a script. A modal dialog is built
// and initialised on its real widgets and shown, handed to the next scripted
// action (which may inspect it, click in it or end it), and ended with the OK
// result if the action left it open. No event loop runs, so nothing waits.
class CScriptedDialogUserInterface : public framework::CDialogUserInterface {
public:
    using CDialogAction = std::function<void(framework::CDialog&)>;

    CScriptedDialogUserInterface();
    ~CScriptedDialogUserInterface() override;

    void Answer(platform::MessageResult result) { m_answers.push_back(result); }
    void OnNextDialog(CDialogAction action) { m_actions.push_back(std::move(action)); }

    const std::vector<CShownWindow>& Transcript() const { return m_transcript; }
    void ClearTranscript() { m_transcript.clear(); }
    int Beeps() const { return m_nBeeps; }
    bool ScriptUsedUp() const { return m_answers.empty() && m_actions.empty(); }
    const std::vector<bool>& BusyChanges() const { return m_busyChanges; }

    platform::MessageResult MessageBox(const std::string& text, platform::MessageIcon icon,
                                       platform::MessageButtons buttons) override;
    void Beep() override { ++m_nBeeps; }
    [[noreturn]] void ExitProcess(int exitCode) override;
    int RunModalDialog(framework::CDialog& dialog) override;

protected:
    void ShowBusyPointer(bool busy) override { m_busyChanges.push_back(busy); }

private:
    std::deque<platform::MessageResult> m_answers;
    std::deque<CDialogAction> m_actions;
    std::vector<CShownWindow> m_transcript;
    std::vector<bool> m_busyChanges;
    int m_nBeeps = 0;
};

// Makes `window` the active window, so that focus changes inside it are delivered
// as they are to a user's window. Posted events stay queued.
void ActivateWindow(QWidget& window);

}  // namespace testing_support
