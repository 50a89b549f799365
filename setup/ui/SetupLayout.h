#pragma once

#include "framework/DialogTemplate.h"

namespace setup {

// The layouts of the installer's four dialogs, in dialog units, controls in tab order.
const framework::CDialogTemplate& SetupDialogTemplate();
const framework::CDialogTemplate& DirectoryDialogTemplate();
const framework::CDialogTemplate& ProgressDialogTemplate();
const framework::CDialogTemplate& QuestionDialogTemplate();

}  // namespace setup
