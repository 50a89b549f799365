#include "tools/screenshot/ScreenshotUserInterface.h"

#include <QApplication>
#include <QPixmap>
#include <cstdio>
#include <cstdlib>

#include "framework/Dialog.h"
#include "game/ui/Resource.h"

CScreenshotUserInterface::CScreenshotUserInterface(std::string strOutputDir)
    : m_strOutputDir(std::move(strOutputDir)) {}

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
    dialog.show();
    switch (dialog.GetTemplate().nId) {
        case lettrino::IDD_START_GAME:
            Save(dialog, "start-game");
            break;
        case lettrino::IDD_QUIT_GAME:
            Save(dialog, "quit-game");
            break;
        case lettrino::IDD_ABOUT:
            Save(dialog, "about");
            break;
        default:
            Save(dialog, "dialog-" + std::to_string(dialog.GetTemplate().nId));
            break;
    }
    dialog.EndDialog(framework::CommandOk);
    return framework::CommandOk;
}
