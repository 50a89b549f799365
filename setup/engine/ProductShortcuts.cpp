#include "platform/Format.h"
#include "platform/KnownFolder.h"
#include "platform/ProgramFile.h"
#include "platform/Shortcut.h"
#include "platform/UserInterface.h"
#include "setup/config/SetupIni.h"
#include "setup/config/StringTable.h"
#include "setup/engine/PostCopyActions.h"
#include "setup/engine/RunObserver.h"

namespace setup {

namespace {

void ShowError(const std::string& text) {
    platform::UserInterface().MessageBox(text, platform::MessageIcon::Exclamation,
                                         platform::MessageButtons::Ok);
}

}  // namespace

void CreateProductShortcuts(const std::string& canonicalInstallDirectory) {
    const std::string exeName = ReadIniString("Shortcuts", "ExeName");
    const std::string lnkName = ReadIniString("Shortcuts", "LnkName");
    const std::string name = ReadIniString("Setup", "Name");
    if (name.empty()) {
        ShowError(LoadSetupString(IDS_NO_NAME_VALUE));
    }
    if (exeName.empty() || lnkName.empty()) {
        ShowError(LoadSetupString(IDS_NO_SHORTCUT_VALUES));
        return;
    }
    const std::string target = canonicalInstallDirectory + "\\" + exeName;
    // Menus file a launcher under these; older readers of SETUP.INI ignore the key.
    const std::string categories = ReadIniString("Shortcuts", "Categories");
    // A launcher that could not be written is said, never passed over in silence.
    const auto write = [&](int folder, int failure) {
        const std::string written = platform::CreateShortcut(
            target, lnkName, canonicalInstallDirectory, std::string(), folder, categories);
        if (written.empty()) {
            ShowError(platform::FormatString(LoadSetupString(failure),
                                             {platform::ReplaceFileExtension(lnkName, "")}));
        }
        RunObserver().LauncherWritten(written);
    };
    write(platform::kFolderPrograms, IDS_NO_MENU_LAUNCHER);
    if (platform::UserInterface().MessageBox(
            LoadSetupString(IDS_ASK_DESKTOP_SHORTCUT), platform::MessageIcon::Question,
            platform::MessageButtons::YesNo) == platform::MessageResult::Yes) {
        write(platform::kFolderDesktop, IDS_NO_DESKTOP_LAUNCHER);
    }
    platform::UserInterface().MessageBox(
        platform::FormatString(LoadSetupString(IDS_INSTALL_SUCCEEDED), {name, name, name, name}),
        platform::MessageIcon::Information, platform::MessageButtons::Ok);
}

}  // namespace setup
