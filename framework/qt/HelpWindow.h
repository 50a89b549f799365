#pragma once

#include <QTextBrowser>
#include <string>

namespace framework {

// The modeless window that shows the program's help document (HTML). It belongs
// to no dialog, so it stays usable while the program's dialogs are open. Escape
// closes it, as it closes a dialog.
class CHelpWindow : public QTextBrowser {
public:
    CHelpWindow();

    // Whether `path` names a readable file.
    static bool CanShow(const std::string& path);

    // Loads `path` (again), scrolls to its beginning, the contents, and brings the
    // window to the front.
    void ShowContents(const std::string& path);

protected:
    void keyPressEvent(QKeyEvent* pEvent) override;
};

}  // namespace framework
