#include "platform/Process.h"

#include <windows.h>

#include "platform/CommandLine.h"
#include "platform/win32/Handle.h"
#include "platform/win32/WideString.h"

namespace platform {

bool StartDetachedProcess(const std::string& program, const std::string& commandLine,
                          const std::string& workingDirectory) {
    // The program is named by its full path, so that a blank in a folder's name never
    // splits it; the arguments follow as they were written.
    const std::wstring application = win32::WidePath(program);
    std::wstring line = L"\"" + application + L"\"";
    const std::string_view arguments = ArgumentText(commandLine);
    if (!arguments.empty()) {
        line += L" " + win32::Wide(arguments);
    }
    const std::wstring directory = win32::WidePath(workingDirectory);
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION started{};
    // No handles inherited; no console window, as for a program started from the Start
    // menu; a process group of its own, so that Ctrl+C at the installer's console
    // never reaches it.
    if (!::CreateProcessW(application.c_str(), line.data(), nullptr, nullptr, FALSE,
                          CREATE_NEW_PROCESS_GROUP | DETACHED_PROCESS, nullptr, directory.c_str(),
                          &startup, &started)) {
        return false;
    }
    // Nothing is waited for: the handles go, the program runs on by itself.
    ::CloseHandle(started.hThread);
    ::CloseHandle(started.hProcess);
    return true;
}

}  // namespace platform
