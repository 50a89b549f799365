#include "game/engine/DictionaryLocation.h"

#include "platform/FileOperations.h"
#include "platform/KnownFolder.h"
#include "platform/PathCase.h"
#include "platform/ProgramFile.h"

namespace lettrino {

namespace {

// The player's folder in the user data folder, named like the package.
constexpr const char* kPlayerFolderName = "lettrino";

std::string FolderOf(const std::string& path) {
    const std::size_t separator = path.find_last_of("/\\");
    return separator == std::string::npos ? std::string(".") : path.substr(0, separator);
}

std::string FileNameOf(const std::string& path) {
    return path.substr(path.find_last_of("/\\") + 1);  // npos + 1 == 0
}

}  // namespace

CDictionaryLocation CDictionaryLocation::Find() {
    CDictionaryLocation location;
    // Installed files may carry other letter case than the program's name gives
    // (LETTRINO.TXT beside LETTRINO); the file that exists is the one meant.
    location.m_strInstalledPath = InstalledFile(".txt");
    const bool bPackaged = location.m_strInstalledPath !=
                           platform::ResolveExistingCase(platform::ProgramRelativePath(".txt"));
    location.m_strLoadPath = location.m_strInstalledPath;
    // A folder that is not there at all is no shared installation: the load reports
    // the missing dictionary as ever.
    const std::string folder = FolderOf(location.m_strInstalledPath);
    if (!bPackaged && (!platform::FileExists(folder) || platform::IsFolderWritable(folder))) {
        return location;
    }
    // Without a user data folder there is nowhere else to go: the installed file is
    // used, and a save reports why it cannot be written.
    location.m_strPlayerFolder = platform::GetUserDataFolder(kPlayerFolderName, false);
    if (location.IsPlayerCopy()) {
        const std::string copy = location.GetSavePath(".txt");
        if (platform::FileExists(copy)) {
            location.m_strLoadPath = copy;
        }
    }
    return location;
}

std::string CDictionaryLocation::InstalledFile(const std::string& extension) {
    const std::string beside =
        platform::ResolveExistingCase(platform::ProgramRelativePath(extension));
    if (platform::FileExists(beside)) {
        return beside;
    }
    const std::string packaged =
        platform::ResolveExistingCase(platform::ProgramDataPath(LETTRINO_DATA_FOLDER, extension));
    return platform::FileExists(packaged) ? packaged : beside;
}

std::string CDictionaryLocation::GetSavePath(const std::string& extension) const {
    const std::string beside = platform::ProgramRelativePath(extension);
    if (!IsPlayerCopy()) {
        return platform::ResolveExistingCase(beside);
    }
    return platform::ResolveExistingCase(m_strPlayerFolder + "/" + FileNameOf(beside));
}

bool CDictionaryLocation::PrepareSaveFolder() const {
    return !IsPlayerCopy() || !platform::GetUserDataFolder(kPlayerFolderName, true).empty();
}

}  // namespace lettrino
