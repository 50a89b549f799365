// The framework's entry point: the program supplies a static application object
// derived from CWinApp, and everything starts from there.
#include "framework/Toolkit.h"
#include "framework/WinApp.h"

int main(int argc, char* argv[]) {
    return framework::RunWithToolkit(argc, argv, [] {
        framework::CWinApp* pApp = framework::CWinApp::GetApp();
        return pApp == nullptr ? 1 : pApp->Run();
    });
}
