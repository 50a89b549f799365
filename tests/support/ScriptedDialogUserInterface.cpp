#include "tests/support/ScriptedDialogUserInterface.h"

#include <gtest/gtest.h>
#include <utility>

#include "framework/Dialog.h"
#include "framework/Static.h"
#include "tests/support/DialogDriver.h"

namespace testing_support {

template class CScriptedMessages<framework::CDialogUserInterface, CShownWindow>;

int CScriptedDialogUserInterface::RunModalDialog(framework::CDialog& dialog) {
    dialog.CreateAndInitialize();
    std::string labels;
    for (framework::CWnd* pControl : dialog.GetControls()) {
        if (auto* pLabel = dynamic_cast<framework::CStatic*>(pControl);
            pLabel && !pLabel->HasIcon()) {
            if (!labels.empty()) {
                labels += '\n';
            }
            labels += pLabel->GetWindowText();
        }
    }
    const std::string title = dialog.GetWindowText();
    const int nTemplateId = dialog.GetTemplate().nId;
    CShownWindow shown{
        {title, labels, platform::MessageIcon::None, platform::MessageButtons::Ok, BusyDepth()}};
    shown.kind = ShownKind::Dialog;
    shown.nTemplateId = nTemplateId;
    Record(std::move(shown));
    if (dialog.IsEnded()) {
        return dialog.GetModalResult();
    }
    if (m_actions.empty()) {
        ReportUnexpectedDialog(title, nTemplateId, "unexpected dialog");
        dialog.EndDialog(framework::CommandCancel);
        return dialog.GetModalResult();
    }
    dialog.ShowWindow();
    framework::CDialog* pOuter = std::exchange(m_pRunning, &dialog);
    // The modal loop's first events: what the dialog posted to itself while it was
    // being initialised.
    DeliverPostedCommands(dialog);
    CDialogAction action = std::move(m_actions.front());
    m_actions.pop_front();
    action(dialog);
    if (!dialog.IsEnded()) {
        DeliverPostedCommands(dialog);
    }
    m_pRunning = pOuter;
    if (!dialog.IsEnded()) {
        ReportUnexpectedDialog(title, nTemplateId, "dialog left open by the script");
        dialog.EndDialog(framework::CommandCancel);
    }
    return dialog.GetModalResult();
}

void ReportUnexpectedDialog(const std::string& title, int nTemplateId, const char* what) {
    ADD_FAILURE() << what << ": template " << nTemplateId << " \"" << title << "\"";
}

}  // namespace testing_support
