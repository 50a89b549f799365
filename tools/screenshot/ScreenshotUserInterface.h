#pragma once

#include <functional>
#include <map>
#include <string>

#include "framework/DialogUserInterface.h"

class QWidget;

// Stands in for the user while the screenshots are taken: every modal dialog is
// initialised, shown, given the commands it posted to itself, saved as a picture
// (under its name in `names`, or by its own handler) and closed unless it closed
// itself; message boxes are printed and answered with their default.
class CScreenshotUserInterface : public framework::CDialogUserInterface {
public:
    using CDialogHandler = std::function<void(framework::CDialog&)>;

    CScreenshotUserInterface(std::string strOutputDir, std::map<int, std::string> names);

    // Makes `handler` take the picture of every dialog with template `nTemplateId`.
    void OnDialog(int nTemplateId, CDialogHandler handler) {
        m_handlers[nTemplateId] = std::move(handler);
    }

    // Saves `widget` as <output dir>/<name>.png and reports the file.
    bool Save(QWidget& widget, const std::string& name);
    const std::string& OutputDir() const { return m_strOutputDir; }

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
    std::map<int, std::string> m_names;
    std::map<int, CDialogHandler> m_handlers;
};
