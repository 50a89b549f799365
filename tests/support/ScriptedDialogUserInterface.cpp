#include "tests/support/ScriptedDialogUserInterface.h"

#include <QApplication>
#include <QLabel>

#include "framework/Dialog.h"

namespace testing_support {

template class CScriptedMessages<framework::CDialogUserInterface, CShownWindow>;

int CScriptedDialogUserInterface::RunModalDialog(framework::CDialog& dialog) {
    dialog.CreateAndInitialize();
    std::string labels;
    for (QWidget* pControl : dialog.GetControls()) {
        if (auto* pLabel = dynamic_cast<QLabel*>(pControl); pLabel && pLabel->pixmap().isNull()) {
            labels += (labels.empty() ? "" : "\n") + pLabel->text().toStdString();
        }
    }
    CShownWindow shown{{dialog.windowTitle().toStdString(), labels, platform::MessageIcon::None,
                        platform::MessageButtons::Ok, BusyDepth()}};
    shown.kind = ShownKind::Dialog;
    shown.nTemplateId = dialog.GetTemplate().nId;
    Record(std::move(shown));
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
