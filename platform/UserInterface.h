#pragma once

#include <string>

#include "platform/MessageKinds.h"

namespace platform {

// The Qt-free side of the programs' user interface: message boxes, the busy pointer,
// the default beep and the immediate end of the process. Engines call it through
// UserInterface(); the GUI framework installs the implementation that shows real
// windows, and tests install a scripted one that records a transcript and answers
// from a script. Everything user-visible that the engines do passes through here,
// so there is exactly one place to replace.
class CUserInterface {
public:
    virtual ~CUserInterface() = default;

    // A modal message box titled with DisplayName(). With Yes and No, Yes is the
    // default button.
    virtual MessageResult MessageBox(const std::string& text, MessageIcon icon,
                                     MessageButtons buttons) = 0;

    virtual void Beep() = 0;

    // Ends the process at once, running no clean-up of the program's own.
    [[noreturn]] virtual void ExitProcess(int exitCode) = 0;

    // Long work on the program's only thread calls these between its steps so that
    // its windows stay alive. PumpEvents handles what is pending: repaints and mouse
    // clicks (a click on Cancel, the close box), but no keyboard handling of the
    // dialogs except the space bar on a focused button. RepaintWindows only lets the
    // windows repaint; input stays queued for the next PumpEvents. Without windows
    // both do nothing.
    virtual void PumpEvents() {}
    virtual void RepaintWindows() {}

    // The busy pointer is counted: only the first Begin shows it and only the
    // matching last End hides it, so nested operations need not know of each other.
    void BeginBusy();
    void EndBusy();
    int BusyDepth() const { return m_busyDepth; }

protected:
    virtual void ShowBusyPointer(bool busy) = 0;

private:
    int m_busyDepth = 0;
};

// The implementation in force; a plain console one until something is installed.
CUserInterface& UserInterface();

// Installs `ui` (not owned) as the implementation in force; nullptr restores the
// console one.
void SetUserInterface(CUserInterface* ui);

// The application's display name: the title of every message box.
const std::string& DisplayName();
void SetDisplayName(std::string name);

// Shows the busy pointer for the lifetime of the object, also when an exception
// leaves the scope.
class CBusyScope {
public:
    CBusyScope() { UserInterface().BeginBusy(); }
    ~CBusyScope() { UserInterface().EndBusy(); }
    CBusyScope(const CBusyScope&) = delete;
    CBusyScope& operator=(const CBusyScope&) = delete;
};

}  // namespace platform
