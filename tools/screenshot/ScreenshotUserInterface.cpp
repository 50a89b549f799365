#include "tools/screenshot/ScreenshotUserInterface.h"

#include <QApplication>
#include <QPixmap>
#include <cstdio>
#include <cstdlib>

#include "framework/Dialog.h"
#include "framework/qt/DialogWindow.h"

CScreenshotUserInterface::CScreenshotUserInterface(std::string strOutputDir,
                                                   std::map<int, std::string> names)
    : m_strOutputDir(std::move(strOutputDir)), m_names(std::move(names)) {}

bool CScreenshotUserInterface::Save(QWidget& widget, const std::string& name) {
    QApplication::processEvents();
    const std::string path = m_strOutputDir + "/" + name + ".png";
    if (!widget.grab().save(QString::fromStdString(path))) {
        std::fprintf(stderr, "cannot write %s\n", path.c_str());
        m_bFailed = true;
        return false;
    }
    std::printf("%s\n", path.c_str());
    return true;
}

platform::MessageResult CScreenshotUserInterface::MessageBox(const std::string& text,
                                                             platform::MessageIcon,
                                                             platform::MessageButtons buttons) {
    std::printf("message box: %s\n", text.c_str());
    return buttons == platform::MessageButtons::YesNo ? platform::MessageResult::Yes
                                                      : platform::MessageResult::Ok;
}

void CScreenshotUserInterface::ExitProcess(int exitCode) {
    std::fflush(nullptr);
    std::_Exit(exitCode == 0 ? 1 : exitCode);
}

int CScreenshotUserInterface::RunModalDialog(framework::CDialog& dialog) {
    dialog.CreateAndInitialize();
    dialog.ShowWindow();
    // What the dialog's own loop would take first: a progress dialog starts its work.
    QCoreApplication::sendPostedEvents(&dialog.GetWindow(), QEvent::MetaCall);
    if (dialog.IsEnded()) {
        return dialog.GetModalResult();  // it took its own picture, if any, meanwhile
    }
    const int nId = dialog.GetTemplate().nId;
    if (const auto handler = m_handlers.find(nId); handler != m_handlers.end()) {
        handler->second(dialog);
    } else if (const auto name = m_names.find(nId); name != m_names.end()) {
        Save(dialog.GetWindow(), name->second);
    } else {
        Save(dialog.GetWindow(), "dialog-" + std::to_string(nId));
    }
    if (!dialog.IsEnded()) {
        dialog.EndDialog(framework::CommandOk);
    }
    return dialog.GetModalResult();
}
