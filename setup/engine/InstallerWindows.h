#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "platform/StringArray.h"

namespace setup {

// The outcome of the copy, as the progress dialog's m_nStatus carries it.
enum InstallStatus { kStatusCompleted = 0, kStatusFailed = 1, kStatusCancelled = 2 };

// The answers of the question dialog; kAnswerNone when it was closed without one.
enum QuestionAnswer { kAnswerNone = -1, kAnswerYes = 0, kAnswerNo = 1, kAnswerYesToAll = 2 };

// The progress dialog as the copy routine sees it while it runs inside it.
class CCopyProgress {
public:
    virtual ~CCopyProgress() = default;

    virtual const std::string& TargetDirectory() const = 0;
    // The caller's list of destinations, for the rollback.
    virtual platform::CStringArray& CopiedFiles() = 0;
    virtual int Status() const = 0;
    virtual void SetStatus(int nStatus) = 0;
    virtual void SetStatusText(const std::string& text) = 0;
    // Bytes copied so far out of the bytes of all listed files.
    virtual void SetProgress(std::uint64_t nDone, std::uint64_t nTotal) = 0;
    // The dialog's OK step: ends its modal run. The routine calls it once, last.
    virtual void EndProgress() = 0;
};

// Runs inside the progress dialog once the dialog is on screen.
using CCopyRoutine = std::function<void(CCopyProgress&)>;

// The installer's windows as the installation run opens them. The program implements
// this with its real dialogs; tests with a script that records what was opened.
class CInstallerWindows {
public:
    virtual ~CInstallerWindows() = default;

    // The directory dialog. True on OK, with the full path it resolved (at most 259
    // characters); false when it was cancelled.
    virtual bool ChooseDirectory(std::string& fullPath) = 0;

    // The progress dialog on `targetDirectory`: runs `copy` once, after the dialog is
    // shown, and returns the dialog's status once it has closed.
    virtual int RunProgress(const std::string& targetDirectory,
                            platform::CStringArray& copiedFiles, const CCopyRoutine& copy) = 0;

    // The question dialog with `question`; one of QuestionAnswer.
    virtual int AskQuestion(const std::string& question) = 0;

    // The run has failed or was cancelled, during the copy or after it: the questions
    // that follow are the rollback's.
    virtual void BeginRollback() {}
};

}  // namespace setup
