#include "framework/WinApp.h"

#include "framework/HelpWindowBackend.h"
#include "platform/PathCase.h"
#include "platform/ProcessStart.h"
#include "platform/ProgramFile.h"
#include "platform/ProgramPath.h"
#include "platform/SystemStrings.h"
#include "platform/UserInterface.h"

namespace framework {

namespace {

CWinApp* g_pApp = nullptr;

}  // namespace

std::string ProgramBaseName(const std::string& programPath) {
    // The extension goes by the same rule as for the files named after the program.
    const std::string withoutExtension = platform::ReplaceFileExtension(programPath, "");
    return withoutExtension.substr(withoutExtension.find_last_of("/\\") + 1);  // npos + 1 == 0
}

CWinApp::CWinApp() {
    // A second application object would make GetApp() ambiguous; the first stays.
    if (g_pApp == nullptr) {
        g_pApp = this;
    }
}

CWinApp::~CWinApp() {
    if (m_pHelpWindow) {
        ShowHelp(HelpCommand::Quit);
    }
    if (g_pApp == this) {
        g_pApp = nullptr;
    }
}

CWinApp* CWinApp::GetApp() {
    return g_pApp;
}

void CWinApp::InitApplication() {
    platform::InitializeProcess();
    const std::string programPath = platform::ProgramPath();
    platform::SetDisplayName(ProgramBaseName(programPath));
    m_strHelpFilePath = platform::ReplaceFileExtension(programPath, ".HLP");
}

bool CWinApp::InitInstance() {
    return false;
}

int CWinApp::ExitInstance() {
    return 0;
}

void CWinApp::OnHelp() {
    ShowHelp(HelpCommand::Contents);
}

void CWinApp::ShowHelp(HelpCommand command) {
    if (command == HelpCommand::Quit) {
        DestroyHelpWindow(m_pHelpWindow);
        m_pHelpWindow = nullptr;
        return;
    }
    const std::string path = platform::ResolveExistingCase(m_strHelpFilePath);
    if (m_strHelpFilePath.empty() || !CanShowHelpFile(path)) {
        platform::UserInterface().MessageBox(
            platform::LoadSystemString(platform::IDS_SYS_HELP_FAILED),
            platform::MessageIcon::Exclamation, platform::MessageButtons::Ok);
        return;
    }
    m_pHelpWindow = ShowHelpFile(m_pHelpWindow, path);
}

}  // namespace framework
