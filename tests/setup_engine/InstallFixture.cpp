#include "tests/setup_engine/InstallFixture.h"

#include <filesystem>

#include "platform/ProgramPath.h"
#include "setup/engine/InstallationRun.h"
#include "tests/support/FileFacts.h"

namespace testing_support {

namespace fs = std::filesystem;

const std::vector<CProductFile> kProduct = {
    {"one.txt", "one.txt", "Prod/ONE.TXT", "C:\\Prod\\ONE.TXT"},
    {"Data\\two.txt", "Data/two.txt", "Prod/Data/TWO.TXT", "C:\\Prod\\Data\\TWO.TXT"},
    {"Docs\\three.txt", "Docs/three.txt", "Prod/Docs/THREE.TXT", "C:\\Prod\\Docs\\THREE.TXT"},
    {"four.bin", "four.bin", "Prod/FOUR.BIN", "C:\\Prod\\FOUR.BIN"},
    {"Data\\Sub\\five.txt", "Data/Sub/five.txt", "Prod/Data/Sub/FIVE.TXT",
     "C:\\Prod\\Data\\Sub\\FIVE.TXT"},
};

void MakeStandardProduct(const CInstallFixture& fixture) {
    std::vector<std::string> values;
    for (const CProductFile& file : kProduct) {
        values.push_back(file.value);
        // Larger than one copy chunk for four.bin, so that it is copied in several.
        std::string bytes = "contents of " + file.source + "\n";
        if (file.value == "four.bin") {
            bytes.resize(3 * 1024 * 1024 + 17, '4');
        }
        fixture.Write("Media/Setup/" + file.source, bytes);
    }
    fixture.WriteFileList(values);
    fixture.Write("Prod/Keep.txt", "the user's own\n");
    fixture.Write("Prod/Data/Old.dat", "older data\n");
    fixture.m_scope.MakeDirectories("Prod/Data/Sub");
    fixture.m_scope.MakeDirectories("Prod/Docs");
}

const char kAskCancel[] = "? Are you sure you want to cancel?";

Lines Copying(const std::string& directory, int count, int of, const Lines& rest) {
    Lines lines = {"directory", "progress " + directory};
    for (int i = 1; i <= count; ++i) {
        lines.push_back("status Copying file " + std::to_string(i) + " of " + std::to_string(of) +
                        "...");
    }
    lines.insert(lines.end(), rest.begin(), rest.end());
    return lines;
}

Lines RolledBack(const std::string& failure, const Lines& questions) {
    const bool cancelled = failure == kAskCancel;
    Lines lines = {failure, "end",
                   cancelled ? "! Setup cancelled by user."
                             : "! Error:  Could not copy files to the specified directory.  If "
                               "your hard disk is low on space, delete some files and try again.",
                   "i Setup will now remove the files and directory that were created."};
    lines.insert(lines.end(), questions.begin(), questions.end());
    return lines;
}

CInstallFixture::CInstallFixture() {
    m_scope.MakeDirectories("Media/Setup");
    // The installer copies itself into the folder for the uninstall.
    Write("Media/Setup/setup", "the installer\n");
    platform::OverrideProgramPath(m_scope.Host("Media/Setup/setup"));
}

void CInstallFixture::WriteIni(const std::string& setupLines, const std::string& filesLines) const {
    Write("Media/Setup/SETUP.INI", "[Setup]\r\nCaption=Product Setup\r\n" + setupLines +
                                       "\r\n[Files]\r\n" + filesLines + "\r\n");
}

void CInstallFixture::WriteFileList(const std::vector<std::string>& values) const {
    std::string files = "Files=" + std::to_string(values.size()) + "\r\n";
    for (std::size_t i = 0; i < values.size(); ++i) {
        files += "File" + std::to_string(i + 1) + "=" + values[i] + "\r\n";
    }
    WriteIni("RequiredDiskSpace=-1", files);
}

void CInstallFixture::Write(const std::string& relative, const std::string& bytes) const {
    fs::create_directories(fs::path(m_scope.Host(relative)).parent_path());
    m_scope.Drive().Write(relative, bytes);
}

bool CInstallFixture::Exists(const std::string& relative) const {
    return ListedAsNamed(m_scope.Host(relative));
}

std::map<std::string, std::string> CInstallFixture::Tree() const {
    std::map<std::string, std::string> tree;
    const fs::path root = m_scope.Drive().Path();
    for (const auto& [name, kind] : Entries(root)) {
        switch (kind) {
            case EntryKind::Link:
                tree[name] = "link to " + LinkTarget(root / name);
                break;
            case EntryKind::Folder:
                tree[name] = "folder";
                break;
            case EntryKind::Other:
                tree[name] = "special";
                break;
            case EntryKind::File:
                tree[name] = ModeAndInode(root / name) + ": " + m_scope.Drive().Read(name);
                break;
        }
    }
    return tree;
}

void CInstallFixture::Run() {
    setup::RunInstallation(m_ui, m_strInstallDirectory,
                           [this](const std::string& withSeparator, const std::string& canonical) {
                               m_postCopyCalls.push_back(withSeparator + "|" + canonical);
                           });
}

}  // namespace testing_support
