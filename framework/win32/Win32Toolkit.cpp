#include "framework/win32/SystemHeaders.h"
// After <windows.h>, whose types it uses.
#include <commctrl.h>
#include <objbase.h>

#include "framework/Toolkit.h"

namespace framework {

int RunWithToolkit(int, char**, const std::function<int()>& run) {
    // The accessibility properties of the controls go through COM.
    const HRESULT com = ::CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_STANDARD_CLASSES | ICC_PROGRESS_CLASS};
    ::InitCommonControlsEx(&controls);
    const int exitCode = run();
    if (SUCCEEDED(com)) {
        ::CoUninitialize();
    }
    return exitCode;
}

}  // namespace framework
