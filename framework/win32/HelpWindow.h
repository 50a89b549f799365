#pragma once

#include <string>

namespace framework {

// The modeless window that shows the program's help document (HTML, shown as rich
// text in a read-only rich edit). It belongs to no dialog, so it stays usable while
// the program's dialogs are open. Escape and the close box hide it.
class CHelpWindow {
public:
    CHelpWindow();
    ~CHelpWindow();
    CHelpWindow(const CHelpWindow&) = delete;
    CHelpWindow& operator=(const CHelpWindow&) = delete;

    // Whether `path` names a readable file.
    static bool CanShow(const std::string& path);

    // Loads `path` (again), scrolls to its beginning, the contents, and brings the
    // window to the front.
    void ShowContents(const std::string& path);

    // The window and its text, for those who look at it.
    void* Handle() const { return m_hWnd; }
    std::string Title() const;
    std::string Text() const;

private:
    void* m_hWnd = nullptr;
    void* m_hText = nullptr;
};

}  // namespace framework
