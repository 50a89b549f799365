#pragma once

#include <string>

#include "tests/support/TempDir.h"

namespace testing_support {

// Points drive C: at a fresh temporary folder for one test. Afterwards the default
// drive map, the real program path and the current directory of the process as it
// was before are back, so tests that change them do not leak into each other.
class CDriveScope {
public:
    CDriveScope();
    ~CDriveScope();
    CDriveScope(const CDriveScope&) = delete;
    CDriveScope& operator=(const CDriveScope&) = delete;

    // The folder behind C:.
    const CTempDir& Drive() const { return m_drive; }
    // `relative` (with '/') below C:'s folder as a host path.
    std::string Host(const std::string& relative) const { return m_drive.File(relative); }
    // Creates the folders of `relative` below C:'s folder.
    void MakeDirectories(const std::string& relative) const;
    // Makes `relative` below C:'s folder the host's current directory.
    void Enter(const std::string& relative) const;

private:
    CTempDir m_drive;
    std::string m_strPreviousDirectory;
};

}  // namespace testing_support
