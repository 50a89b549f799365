#include "tests/support/ScriptedDialogUserInterface.h"

#include <gtest/gtest.h>
#include <QApplication>
#include <QLabel>

#include "framework/Dialog.h"
#include "framework/qt/WindowCaption.h"

namespace testing_support {

template class CScriptedMessages<framework::CDialogUserInterface, CShownWindow>;

int CScriptedDialogUserInterface::RunModalDialog(framework::CDialog& dialog) {
    dialog.CreateAndInitialize();
    std::string labels;
    for (QWidget* pControl : dialog.GetControls()) {
        if (auto* pLabel = dynamic_cast<QLabel*>(pControl); pLabel && pLabel->pixmap().isNull()) {
            if (!labels.empty()) {
                labels += '\n';
            }
            labels += pLabel->text().toStdString();
        }
    }
    const std::string title = framework::WindowCaption(dialog);
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
    dialog.show();
    // The modal loop's first events: what the dialog posted to itself while it was
    // being initialised.
    QCoreApplication::sendPostedEvents(&dialog, QEvent::MetaCall);
    CDialogAction action = std::move(m_actions.front());
    m_actions.pop_front();
    action(dialog);
    if (!dialog.IsEnded()) {
        QCoreApplication::sendPostedEvents(&dialog, QEvent::MetaCall);
    }
    if (!dialog.IsEnded()) {
        ReportUnexpectedDialog(title, nTemplateId, "dialog left open by the script");
        dialog.EndDialog(framework::CommandCancel);
    }
    return dialog.GetModalResult();
}

void ReportUnexpectedDialog(const std::string& title, int nTemplateId, const char* what) {
    ADD_FAILURE() << what << ": template " << nTemplateId << " \"" << title << "\"";
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
