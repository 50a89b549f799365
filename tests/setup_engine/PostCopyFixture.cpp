#include "tests/setup_engine/PostCopyFixture.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>

#include "platform/ProgramPath.h"

namespace testing_support {

std::string ReplaceAll(std::string text, const std::string& from, const std::string& to) {
    for (std::size_t pos = text.find(from); pos != std::string::npos;
         pos = text.find(from, pos + to.size())) {
        text.replace(pos, from.size(), to);
    }
    return text;
}

CPostCopyFixture::CPostCopyFixture() {
    m_scope.MakeDirectories("My Setup");
    m_scope.MakeDirectories("home/Desktop");
    platform::OverrideProgramPath(m_scope.Host("My Setup/setup"));
    m_environment.Set("HOME", m_scope.Host("home"));
    m_environment.Unset("XDG_DATA_HOME");
    m_environment.Unset("XDG_CONFIG_HOME");
}

CPostCopyFixture::~CPostCopyFixture() {
#ifdef _WIN32
    // The Start menu and the desktop are the user's own here, not the fixture's.
    for (const std::string& launcher : {MenuLauncher("Word Game"), DesktopLauncher("Word Game")}) {
        std::error_code ignored;
        std::filesystem::remove(launcher, ignored);
    }
#endif
}

std::string CPostCopyFixture::MenuLauncher(const std::string& name) const {
#ifdef _WIN32
    const char* roaming = std::getenv("APPDATA");
    return std::string(roaming ? roaming : "") + "\\Microsoft\\Windows\\Start Menu\\Programs\\" +
           name + ".lnk";
#else
    return m_scope.Host("home/.local/share/applications/" + name + ".desktop");
#endif
}

std::string CPostCopyFixture::DesktopLauncher(const std::string& name) const {
#ifdef _WIN32
    const char* profile = std::getenv("USERPROFILE");
    return std::string(profile ? profile : "") + "\\Desktop\\" + name + ".lnk";
#else
    return m_scope.Host("home/Desktop/" + name + ".desktop");
#endif
}

void CPostCopyFixture::WriteIni(const std::string& ini) const {
    m_scope.Drive().Write("My Setup/SETUP.INI", ini);
}

void CPostCopyFixture::CopyToDrive(const std::string& from, const std::string& relative) const {
    const std::filesystem::path to = m_scope.Drive().Path() / relative;
    std::filesystem::create_directories(to.parent_path());
    std::filesystem::copy_file(from, to, std::filesystem::copy_options::overwrite_existing);
}

std::string CPostCopyFixture::Canonical(const std::string& relative) const {
    const std::filesystem::path& drive = m_scope.Drive().Path();
    return std::filesystem::weakly_canonical(relative.empty() ? drive : drive / relative).string();
}

std::vector<std::string> CPostCopyFixture::FilesOnDrive() const {
    std::vector<std::string> files;
    for (const auto& entry :
         std::filesystem::recursive_directory_iterator(m_scope.Drive().Path())) {
        if (!entry.is_directory()) {
            files.push_back(entry.path().lexically_relative(m_scope.Drive().Path()).string());
        }
    }
    std::sort(files.begin(), files.end());
    return files;
}

std::vector<std::string> CPostCopyFixture::Boxes() const {
    std::vector<std::string> boxes;
    for (const CShownBox& box : m_ui.Transcript()) {
        const char* kind = box.icon == platform::MessageIcon::Exclamation   ? "error:"
                           : box.icon == platform::MessageIcon::Information ? "info:"
                           : box.icon == platform::MessageIcon::Question    ? "question:"
                                                                            : "other:";
        // A question must offer Yes and No, every other box OK alone.
        const bool yesNo = box.buttons == platform::MessageButtons::YesNo;
        EXPECT_EQ(yesNo, box.icon == platform::MessageIcon::Question) << box.text;
        boxes.push_back(kind + box.text);
    }
    return boxes;
}

}  // namespace testing_support
