#pragma once

#include <string>

namespace framework {

class CDialog;
class CHelpWindow;

enum class HelpCommand { Contents, Quit };

// The application object: exactly one exists, an object of the program's own class,
// static and constructed before main() runs, or made by a program that loads its
// windows later before it calls Run(). The framework's main() derives the display
// name and the help file from the program path, installs the real user interface
// and calls InitInstance; when that returns false the program ends.
class CWinApp {
public:
    CWinApp();
    virtual ~CWinApp();
    CWinApp(const CWinApp&) = delete;
    CWinApp& operator=(const CWinApp&) = delete;

    static CWinApp* GetApp();

    // The framework's start: names, user interface, InitInstance. Returns the
    // process exit code.
    int Run();

    // Sets up the process (platform::InitializeProcess) and takes the display name
    // and the help file's path from the program path.
    void InitApplication();

    // The program's start routine. Returning false ends the program at once.
    virtual bool InitInstance();
    virtual int ExitInstance();

    // The help command: F1 in the main dialog or one of its dialogs raises it.
    virtual void OnHelp();

    // Opens the help file at its contents, or closes the help window. Reports
    // "Failed to launch help." when the file cannot be shown.
    void ShowHelp(HelpCommand command);
    CHelpWindow* GetHelpWindow() const { return m_pHelpWindow; }
    const std::string& GetHelpFilePath() const { return m_strHelpFilePath; }
    // For a program whose help file is installed elsewhere than beside it.
    void SetHelpFilePath(std::string path) { m_strHelpFilePath = std::move(path); }

    // The main window: owner of every dialog created without a parent.
    CDialog* m_pMainWnd = nullptr;

private:
    std::string m_strHelpFilePath;
    // Made when the help is first asked for, and owned.
    CHelpWindow* m_pHelpWindow = nullptr;
};

// The program path's file name without its extension; a dot in a directory name is
// never taken for an extension.
std::string ProgramBaseName(const std::string& programPath);

}  // namespace framework
