#pragma once

#include <deque>
#include <functional>

#include "framework/DialogUserInterface.h"
#include "tests/support/DialogDriver.h"
#include "tests/support/ScriptedUserInterface.h"

namespace framework {
class CDialog;
}

namespace testing_support {

enum class ShownKind { MessageBox, Dialog };

// One window as the user would have seen it. For a dialog, `text` holds the texts
// of its labels in tab order, one a line, as they were after initialisation, and
// `busyDepth` the busy pointer's count when it was run.
struct CShownWindow : CShownBox {
    ShownKind kind = ShownKind::MessageBox;
    int nTemplateId = 0;  // the dialog's template; 0 for a message box
};

extern template class CScriptedMessages<framework::CDialogUserInterface, CShownWindow>;

// The test seam for everything modal: records every message box and every modal
// dialog into one transcript and answers from a script. A modal dialog is built
// and initialised on its real widgets and shown; the commands it posted to itself
// are then delivered, as its modal loop would first do (a progress dialog's copy
// routine runs there), and it is handed to the next scripted action, which may
// inspect it, click in it, and must end it. A dialog that finds no action, or that
// its action leaves open, fails the running test and is ended with Cancel, so a
// test cannot pass on work that never ran. No event loop runs, so nothing waits.
class CScriptedDialogUserInterface
    : public CScriptedMessages<framework::CDialogUserInterface, CShownWindow> {
public:
    using CDialogAction = std::function<void(framework::CDialog&)>;

    void OnNextDialog(CDialogAction action) { m_actions.push_back(std::move(action)); }
    bool ScriptUsedUp() const { return CScriptedMessages::ScriptUsedUp() && m_actions.empty(); }

    int RunModalDialog(framework::CDialog& dialog) override;
    // The dialog being run, while its posted commands and its action run.
    framework::CDialog* RunningDialog() const { return m_pRunning; }

private:
    std::deque<CDialogAction> m_actions;
    framework::CDialog* m_pRunning = nullptr;
};

// Fails the running test for a dialog the script did not expect or left open.
void ReportUnexpectedDialog(const std::string& title, int nTemplateId, const char* what);

}  // namespace testing_support
