#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/ProgramFile.h"

namespace setup {

// What a completed installation leaves in its folder for the uninstall: the product's
// caption, the folder, the folders the run created, and each file and launcher it
// wrote with its size and SHA-256 digest, so that a file changed since is told apart.
//
// The text is a version line, then one entry a line, its fields separated by tabs and
// the path last (it may hold blanks):
//   setup-uninstall-record<TAB>1
//   caption<TAB>Lettrino Setup
//   folder<TAB>C:\Games\Lettrino
//   created<TAB>.                      (the install folder itself; else a subfolder)
//   file<TAB>SIZE<TAB>DIGEST<TAB>LETTRINO.TXT       (relative, '/' between levels)
//   launcher<TAB>SIZE<TAB>DIGEST<TAB>/home/u/.local/share/applications/Lettrino.desktop
//   program<TAB>SIZE<TAB>DIGEST<TAB>setup           (the copied installer, its
//   program<TAB>SIZE<TAB>DIGEST<TAB>setup-windows.so  windows and the SETUP.INI
//   program<TAB>SIZE<TAB>DIGEST<TAB>setup.ini        it reads)
class CUninstallRecord {
public:
    enum class Kind { File, Launcher, Program };

    struct CItem {
        Kind m_kind;
        std::uint64_t m_nSize;
        std::string m_strDigest;
        std::string m_strPath;
    };

    // The record's and the copied installer's names in the install folder. Lower case,
    // where every destination the installer writes is upper case. The installer's copy
    // has the extension the system starts programs by.
    static constexpr const char* kRecordName = "uninstall.dat";
    static constexpr const char* kProgramName =
        *platform::kProgramExtension == '\0' ? "setup" : "setup.exe";
    static constexpr const char* kIniName = "setup.ini";
    // The installer's windows, a module the program loads from its own folder only
    // when windows are wanted: without it the installer still runs unattended.
    static constexpr const char* kWindowsModuleName =
        platform::kModulesAreDlls ? "setup-windows.dll" : "setup-windows.so";
    // A larger file is no record of ours.
    static constexpr std::size_t kMaxSize = 16 << 20;

    std::string Format() const;
    // False for a text that is no record of this version or has a damaged line,
    // with `badLine` its number (1 for the version line).
    bool Parse(const std::string& text, int& badLine);

    std::string m_strCaption;
    std::string m_strFolder;
    std::vector<std::string> m_created;
    std::vector<CItem> m_items;
};

}  // namespace setup
