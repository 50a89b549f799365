#pragma once

#include <string>

namespace setup {

// What the run does to the machine, step by step, for a front end that keeps a
// record of it (the log of an installation without windows). The windows show none
// of this, so by default nothing listens. Paths in Windows form, launchers as host
// paths, as the run knows them.
class CRunObserver {
public:
    virtual ~CRunObserver() = default;

    virtual void FileCopied(const std::string& /*destination*/) {}
    // A file that could not be copied, with the system's word for why ("openat:
    // Permission denied"); empty when its source is missing.
    virtual void CopyFailed(const std::string& /*destination*/, const std::string& /*cause*/) {}
    virtual void FileRemoved(const std::string& /*path*/) {}
    // A launcher file written, with its host path.
    virtual void LauncherWritten(const std::string& /*hostPath*/) {}
    // A program started after the installation, as the configuration names it.
    virtual void ProgramStarted(const std::string& /*commandLine*/) {}
};

// The observer in force; one that ignores everything until another is installed.
CRunObserver& RunObserver();

// Installs `observer` (not owned); nullptr restores the one that ignores everything.
void SetRunObserver(CRunObserver* observer);

}  // namespace setup
