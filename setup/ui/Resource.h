#pragma once

#include "setup/config/DirectoryChoice.h"  // kMaxDirectoryChars

namespace setup {

// Dialog templates.
enum TemplateId {
    IDD_SETUP = 102,
    IDD_DIRECTORY = 103,
    IDD_PROGRESS = 105,
    IDD_QUESTION = 107,
};

// Controls of the main dialog. Exit is the dialog's OK command.
enum MainControlId {
    IDC_PROGRAM_ICON = 1001,
    IDC_PRODUCT_TEXT = 1002,
    IDC_DESCRIPTION = 1003,
    IDC_REQUIREMENTS = 1004,
    IDC_SETUP = 1005,
};

// Controls of the directory dialog.
enum DirectoryControlId {
    IDC_PROMPT = 1101,
    IDC_DIRECTORY_LABEL = 1102,
    IDC_DRIVE = 1103,
    IDC_DIRECTORY = 1104,
};

// Controls of the progress dialog. Its Cancel button is the dialog's Cancel command;
// the hidden start button carries the command that starts copying.
enum ProgressControlId {
    IDC_STATUS = 1201,
    IDC_START = 1202,
    IDC_PROGRESS = 1203,
};

// Controls of the question dialog.
enum QuestionControlId {
    IDC_QUESTION_ICON = 1301,
    IDC_QUESTION = 1302,
    IDC_YES = 1303,
    IDC_NO = 1304,
    IDC_YES_TO_ALL = 1305,
};

}  // namespace setup
