#include "platform/Format.h"
#include "platform/Shortcut.h"
#include "platform/KnownFolder.h"
#include "platform/UserInterface.h"
#include "setup/config/SetupIni.h"
#include "setup/config/StringTable.h"
#include "setup/engine/PostCopyActions.h"
#include "setup/engine/RunObserver.h"

namespace setup {

namespace {

void ShowError(int id) {
    platform::UserInterface().MessageBox(LoadSetupString(id), platform::MessageIcon::Exclamation,
                                         platform::MessageButtons::Ok);
}

}  // namespace

void CreateProductShortcuts(const std::string& canonicalInstallDirectory) {
    const std::string exeName = ReadIniString("Shortcuts", "ExeName");
    const std::string lnkName = ReadIniString("Shortcuts", "LnkName");
    const std::string name = ReadIniString("Setup", "Name");
    if (name.empty()) {
        ShowError(IDS_NO_NAME_VALUE);
    }
    if (exeName.empty() || lnkName.empty()) {
        ShowError(IDS_NO_SHORTCUT_VALUES);
        return;
    }
    const std::string target = canonicalInstallDirectory + "\\" + exeName;
    RunObserver().LauncherWritten(platform::CreateShortcut(
        target, lnkName, canonicalInstallDirectory, std::string(), platform::kFolderPrograms));
    if (platform::UserInterface().MessageBox(
            LoadSetupString(IDS_ASK_DESKTOP_SHORTCUT), platform::MessageIcon::Question,
            platform::MessageButtons::YesNo) == platform::MessageResult::Yes) {
        RunObserver().LauncherWritten(platform::CreateShortcut(
            target, lnkName, canonicalInstallDirectory, std::string(), platform::kFolderDesktop));
    }
    platform::UserInterface().MessageBox(
        platform::FormatString(LoadSetupString(IDS_INSTALL_SUCCEEDED), {name, name, name, name}),
        platform::MessageIcon::Information, platform::MessageButtons::Ok);
}

}  // namespace setup
