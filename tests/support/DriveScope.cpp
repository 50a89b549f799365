#include "tests/support/DriveScope.h"

#include <filesystem>
#include <system_error>

#include "platform/DriveMap.h"
#include "platform/ProgramPath.h"

namespace testing_support {

CDriveScope::CDriveScope() : m_strPreviousDirectory(std::filesystem::current_path().string()) {
    platform::MapDrive('C', m_drive.Path().string());
}

CDriveScope::~CDriveScope() {
    std::error_code ignored;
    std::filesystem::current_path(m_strPreviousDirectory, ignored);
    platform::ResetDriveMap();
    platform::OverrideProgramPath(std::string());
}

void CDriveScope::MakeDirectories(const std::string& relative) const {
    std::filesystem::create_directories(m_drive.Path() / relative);
}

void CDriveScope::Enter(const std::string& relative) const {
    std::filesystem::current_path(m_drive.Path() / relative);
}

}  // namespace testing_support
