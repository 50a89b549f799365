#include "setup/engine/PostCopyActions.h"

namespace setup {

void RunPostCopyActions(const std::string& installDirectoryWithSeparator,
                        const std::string& canonicalInstallDirectory) {
    RegisterObjects(installDirectoryWithSeparator);
    CreateProductShortcuts(canonicalInstallDirectory);
    RunAfterSetupPrograms();
}

}  // namespace setup
