#pragma once

#include <map>
#include <string>
#include <vector>

#include "tests/setup_engine/ScriptedInstaller.h"
#include "tests/support/DriveScope.h"

namespace testing_support {

// A product to install on a C: drive of its own: the setup program in C:\Media\Setup with
// SETUP.INI and the product's files beside it, and the run's windows scripted.
class CInstallFixture {
public:
    CInstallFixture();

    // SETUP.INI: [Setup] with `setupLines`, [Files] with `filesLines`.
    void WriteIni(const std::string& setupLines, const std::string& filesLines) const;
    // SETUP.INI listing `values` as File1 ... FileN, with no space check.
    void WriteFileList(const std::vector<std::string>& values) const;
    // Writes `bytes` into `relative` below C:, making its folders.
    void Write(const std::string& relative, const std::string& bytes) const;
    std::string Read(const std::string& relative) const { return m_scope.Drive().Read(relative); }
    // Whether `relative` is there under exactly that name, a link as it stands.
    bool Exists(const std::string& relative) const;

    // Every entry below C: with what it holds (contents and permission bits of a
    // file, the target of a link), to compare the drive before and after a run.
    std::map<std::string, std::string> Tree() const;

    // RunInstallation with the scripted windows; post-copy calls are recorded.
    void Run();

    CDriveScope m_scope;
    CScriptedInstaller m_ui;
    std::string m_strInstallDirectory;
    std::vector<std::string> m_postCopyCalls;  // "<with separator>|<canonical>"
};

// The standard product: five files, two of them nested, installed into the existing
// folder C:\Prod that holds files and subfolders of its own.
struct CProductFile {
    std::string value;        // File<n> in SETUP.INI
    std::string source;       // below C:\Media\Setup
    std::string destination;  // below C:, as the copy writes it
    std::string entry;        // the destination as the copied-files list holds it
};
extern const std::vector<CProductFile> kProduct;
void MakeStandardProduct(const CInstallFixture& fixture);

// Expected transcripts (see CScriptedInstaller).
using Lines = std::vector<std::string>;
extern const char kAskCancel[];
// The directory dialog, the progress dialog for `directory` and the statuses of
// files 1 ... `count` of `of`, then `rest`.
Lines Copying(const std::string& directory, int count, int of, const Lines& rest);
// What follows the box `failure` that ends the copy (kAskCancel: a confirmed cancel):
// the end of the progress dialog, the rollback's announcement, then `questions`.
Lines RolledBack(const std::string& failure, const Lines& questions);

}  // namespace testing_support
