// The framework's entry point: the program supplies a static application object
// derived from CWinApp, and everything starts from there.
#include <QApplication>

#include "framework/WinApp.h"

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    framework::CWinApp* pApp = framework::CWinApp::GetApp();
    if (pApp == nullptr) {
        return 1;
    }
    return pApp->Run();
}
