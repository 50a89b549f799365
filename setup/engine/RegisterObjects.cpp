#include <algorithm>
#include <cstdint>
#include <string>

#include "platform/OleSession.h"
#include "platform/SharedLibrary.h"
#include "platform/WindowsPath.h"
#include "setup/config/SetupIni.h"
#include "setup/engine/PostCopyActions.h"

namespace setup {

namespace {

// The entry point of a self-registering component; its status result is not used.
using CRegisterServer = std::int32_t (*)();

void RegisterObject(const std::string& windowsPath) {
    // The copy upper-cased the names; the host path finds them in any case.
    const std::string host = platform::ToHostPath(windowsPath);
    platform::CSharedLibrary component;
    if (host.empty() || !component.Load(host)) {
        return;
    }
    if (const auto entry = component.FindEntryPoint("DllRegisterServer")) {
        reinterpret_cast<CRegisterServer>(entry)();
    }
}

}  // namespace

void RegisterObjects(const std::string& installDirectoryWithSeparator) {
    // A count far beyond the keys present would only try the install directory
    // itself as a component, again and again: the loop ends after the last key.
    const int count =
        std::min(ReadIniInt("Register", "Objects", 0), LastIniNumber("Register", "Object"));
    if (count <= 0) {
        return;  // nothing to register: the component library is not started
    }
    const platform::COleSession ole;
    for (int n = 1; n <= count; ++n) {
        const std::string value = ReadIniString("Register", "Object" + std::to_string(n));
        RegisterObject(installDirectoryWithSeparator + value);
    }
}

}  // namespace setup
