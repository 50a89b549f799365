#pragma once

#include <string>

#include "framework/Dialog.h"
#include "platform/StringArray.h"
#include "setup/engine/InstallerWindows.h"

namespace setup {

// Open while the product's files are copied. Once on screen it starts the copy
// routine, which runs inside it, writes its status text and progress, and closes it
// through the OK step. Cancel asks for confirmation; a confirmed cancel reaches the
// routine through m_nStatus only, between two files.
class CProgressDlg : public framework::CDialog, public CCopyProgress {
public:
    CProgressDlg(std::string strTargetDirectory, platform::CStringArray* pCopiedFiles,
                 CCopyRoutine copyRoutine, CDialog* pParent = nullptr);

    bool OnCommand(int nId, framework::CommandCode code) override;

    // Runs the copy routine in this dialog's context.
    void CopyFiles();

    // What the copy routine uses of the dialog.
    const std::string& TargetDirectory() const override { return m_strTargetDirectory; }
    platform::CStringArray& CopiedFiles() override { return *m_pCopiedFiles; }
    int Status() const override { return m_nStatus; }
    void SetStatus(int nStatus) override { m_nStatus = nStatus; }
    void SetStatusText(const std::string& text) override;
    void SetProgress(std::uint64_t nDone, std::uint64_t nTotal) override;
    void EndProgress() override { OnOK(); }

    // One of InstallStatus: completed, failed (set by the routine) or cancelled (set
    // by the confirmed Cancel).
    int m_nStatus = kStatusCompleted;
    std::string m_strTargetDirectory;
    platform::CStringArray* m_pCopiedFiles;

protected:
    bool OnInitDialog() override;
    // The Cancel button, the space bar on it, the close box and Alt+F4.
    void OnCancel() override;

private:
    CCopyRoutine m_copyRoutine;
    bool m_bStarted = false;
    // Stands in for the caller's list when none was given.
    platform::CStringArray m_ownCopiedFiles;
};

}  // namespace setup
