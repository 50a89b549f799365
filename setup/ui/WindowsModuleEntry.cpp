// The installer's windows as the program loads them: the module's one exported entry
// point, under the name setup::kWindowsEntryPoint gives. The program has read the
// command line already and found that windows are wanted; here the toolkit starts,
// with the installer's application object.
#include "framework/Toolkit.h"
#include "setup/program/WindowsModule.h"
#include "setup/ui/SetupApp.h"

#ifdef _WIN32
// Linked into the program, which calls it directly.
#define SETUP_WINDOWS_EXPORT
#else
#define SETUP_WINDOWS_EXPORT __attribute__((visibility("default")))
#endif

extern "C" SETUP_WINDOWS_EXPORT int SetupWindowsMain1(
    int argc, char** argv, const SetupWindowsRequest* request) {
    return framework::RunWithToolkit(argc, argv, [request] {
        // The one application object, for as long as the windows run; it restores the
        // working directory it was made in when it goes.
        setup::CSetupApp app;
        if (request != nullptr && request->bUninstall != 0) {
            app.m_uninstall = setup::CUninstallRequest{
                true, request->hostFolder != nullptr ? request->hostFolder : "",
                request->bRemoveChanged != 0};
        }
        return app.Run();
    });
}
