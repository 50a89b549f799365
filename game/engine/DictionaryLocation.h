#pragma once

#include <string>

namespace lettrino {

// Where the dictionary is read from and written to.
//
// The dictionary is installed beside the program, named after it; a packaged game
// keeps it in its data folder instead (configured at build time, relative to the
// program). When the game may write where the installed dictionary is, that file is
// read and saved in place. Otherwise, and always for a packaged game, whose data
// belongs to the package manager whoever runs it, the player has an own copy in the
// user data folder: it is read once it exists, the installed file until then, and
// every save goes there with its backup beside it.
class CDictionaryLocation {
public:
    // Looks at the files as they are now.
    static CDictionaryLocation Find();

    // The installed file of the game with `extension` (".txt", ".HLP"): beside the
    // program, in whatever letter case it has there, else in the packaged game's data
    // folder when it is there; the path beside the program when neither exists.
    static std::string InstalledFile(const std::string& extension);

    // The dictionary file to read.
    const std::string& GetLoadPath() const { return m_strLoadPath; }

    // The dictionary file (".txt") or its backup (".bak") in the folder saved to.
    std::string GetSavePath(const std::string& extension) const;

    // The installed dictionary, which a save into the player's copy leaves alone.
    const std::string& GetInstalledPath() const { return m_strInstalledPath; }

    // Whether saves go to the player's own copy rather than the installed file.
    bool IsPlayerCopy() const { return !m_strPlayerFolder.empty(); }

    // Creates the folder of the player's copy when saves go there; false when that
    // fails.
    bool PrepareSaveFolder() const;

private:
    std::string m_strInstalledPath;
    std::string m_strLoadPath;
    std::string m_strPlayerFolder;  // empty: saves go to the installed file
};

}  // namespace lettrino
