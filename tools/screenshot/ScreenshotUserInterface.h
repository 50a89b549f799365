#pragma once

#include <string>

#include "framework/DialogUserInterface.h"

class QWidget;

// Stands in for the user while the screenshots are taken: every modal dialog is
// initialised, shown, saved as a picture and closed; message boxes are printed and
// answered with their default.
class CScreenshotUserInterface : public framework::CDialogUserInterface {
public:
    explicit CScreenshotUserInterface(std::string strOutputDir);

    // Saves `widget` as <output dir>/<name>.png and reports the file.
    bool Save(QWidget& widget, const std::string& name);

    platform::MessageResult MessageBox(const std::string& text, platform::MessageIcon icon,
                                       platform::MessageButtons buttons) override;
    void Beep() override {}
    [[noreturn]] void ExitProcess(int exitCode) override;
    int RunModalDialog(framework::CDialog& dialog) override;

    bool m_bFailed = false;

protected:
    void ShowBusyPointer(bool) override {}

private:
    std::string m_strOutputDir;
};
