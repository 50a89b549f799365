#include "platform/UserInterface.h"

#include <cstdio>
#include <cstdlib>

namespace platform {

void CUserInterface::BeginBusy() {
    if (m_busyDepth++ == 0) {
        ShowBusyPointer(true);
    }
}

void CUserInterface::EndBusy() {
    if (m_busyDepth == 0) {
        return;  // An unbalanced End must not drive the count negative.
    }
    if (--m_busyDepth == 0) {
        ShowBusyPointer(false);
    }
}

namespace {

// Used by programs without a window (benchmarks, command-line tools) and before a
// GUI has installed its own: messages go to standard error and questions take
// their default answer.
class CConsoleUserInterface final : public CUserInterface {
public:
    MessageResult MessageBox(const std::string& text, MessageIcon,
                             MessageButtons buttons) override {
        std::fprintf(stderr, "%s: %s\n", DisplayName().c_str(), text.c_str());
        return buttons == MessageButtons::YesNo ? MessageResult::Yes : MessageResult::Ok;
    }
    void Beep() override {}
    [[noreturn]] void ExitProcess(int exitCode) override {
        std::fflush(nullptr);
        std::_Exit(exitCode);
    }

protected:
    void ShowBusyPointer(bool) override {}
};

CConsoleUserInterface& ConsoleUserInterface() {
    static CConsoleUserInterface console;
    return console;
}

CUserInterface* g_installed = nullptr;

std::string& DisplayNameStorage() {
    static std::string name;
    return name;
}

}  // namespace

CUserInterface& UserInterface() {
    return g_installed ? *g_installed : ConsoleUserInterface();
}

void SetUserInterface(CUserInterface* ui) { g_installed = ui; }

const std::string& DisplayName() { return DisplayNameStorage(); }

void SetDisplayName(std::string name) { DisplayNameStorage() = std::move(name); }

}  // namespace platform
