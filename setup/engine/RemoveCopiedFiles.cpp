#include "setup/engine/RemoveCopiedFiles.h"

#include "platform/FileCopy.h"
#include "platform/Format.h"
#include "platform/WindowsPath.h"
#include "setup/config/StringTable.h"
#include "setup/engine/RunObserver.h"

namespace setup {

bool RemoveCopiedFiles(CInstallerWindows& windows, const platform::CStringArray& copiedFiles) {
    std::size_t attempted = 0;
    bool yesToAll = false;
    for (const std::string& file : copiedFiles) {
        if (!yesToAll) {
            const int answer = windows.AskQuestion(
                platform::FormatString(LoadSetupString(IDS_REMOVE_FILE), {file}));
            if (answer == kAnswerYesToAll) {
                yesToAll = true;
            } else if (answer != kAnswerYes) {
                continue;  // No, or the question was dismissed: the file stays
            }
        }
        // Each entry names exactly the file the copy wrote; a file that differs from
        // it only in letter case is another file and stays. A failure goes unnoticed.
        if (platform::DeleteFileAsNamed(platform::ToHostPathAsNamed(file))) {
            RunObserver().FileRemoved(file);
        }
        ++attempted;
    }
    return attempted == copiedFiles.size();
}

}  // namespace setup
