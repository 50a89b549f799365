#pragma once

#include <string>

namespace setup {

// Why a file the uninstall would remove is still there, or not there to remove.
enum class NotRemoved {
    AlreadyGone,   // no such file any more (or no regular file: not ours)
    Changed,       // changed since it was installed, and changes stay
    NotALauncher,  // recorded as a launcher, but not in a folder of launchers
    Failed,        // the system refused it
};

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
    // A file the uninstall did not remove, with why; `cause` is the system's word
    // for a refusal, else empty.
    virtual void FileNotRemoved(const std::string& /*path*/, NotRemoved /*why*/,
                                const std::string& /*cause*/) {}
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
