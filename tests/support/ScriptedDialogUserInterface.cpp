#include "tests/support/ScriptedDialogUserInterface.h"

#include <gtest/gtest.h>
#include <QApplication>
#include <QLabel>

#include "framework/Dialog.h"
#include "tests/support/ScriptedUserInterface.h"

namespace testing_support {

CScriptedDialogUserInterface::CScriptedDialogUserInterface() {
    platform::SetUserInterface(this);
}

CScriptedDialogUserInterface::~CScriptedDialogUserInterface() {
    platform::SetUserInterface(nullptr);
}

platform::MessageResult CScriptedDialogUserInterface::MessageBox(const std::string& text,
                                                                 platform::MessageIcon icon,
                                                                 platform::MessageButtons buttons) {
    m_transcript.push_back(
        {ShownKind::MessageBox, platform::DisplayName(), text, icon, buttons, BusyDepth(), 0});
    const platform::MessageResult fallback = buttons == platform::MessageButtons::YesNo
                                                 ? platform::MessageResult::Yes
                                                 : platform::MessageResult::Ok;
    if (m_answers.empty()) {
        ADD_FAILURE() << "unexpected message box: " << text;
        return fallback;
    }
    const platform::MessageResult answer = m_answers.front();
    m_answers.pop_front();
    return answer;
}

void CScriptedDialogUserInterface::ExitProcess(int exitCode) {
    throw CProcessExit(exitCode);
}

int CScriptedDialogUserInterface::RunModalDialog(framework::CDialog& dialog) {
    dialog.CreateAndInitialize();
    std::string labels;
    for (QWidget* pControl : dialog.GetControls()) {
        if (auto* pLabel = dynamic_cast<QLabel*>(pControl); pLabel && pLabel->pixmap().isNull()) {
            labels += (labels.empty() ? "" : "\n") + pLabel->text().toStdString();
        }
    }
    m_transcript.push_back({ShownKind::Dialog, dialog.windowTitle().toStdString(), labels,
                            platform::MessageIcon::None, platform::MessageButtons::Ok, BusyDepth(),
                            dialog.GetTemplate().nId});
    if (!dialog.IsEnded()) {
        dialog.show();
    }
    if (!m_actions.empty()) {
        CDialogAction action = std::move(m_actions.front());
        m_actions.pop_front();
        action(dialog);
    }
    if (!dialog.IsEnded()) {
        dialog.EndDialog(framework::CommandOk);
    }
    return dialog.GetModalResult();
}

void ActivateWindow(QWidget& window) {
    window.show();
    window.activateWindow();
    // The request above is answered asynchronously; setting the active window
    // directly keeps the test free of event processing (which would also run
    // commands the test wants to see still queued).
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
    QApplication::setActiveWindow(&window);
#pragma GCC diagnostic pop
}

}  // namespace testing_support
