#pragma once

#include "framework/DialogTemplate.h"

namespace lettrino {

// The layouts of the game's four dialogs, in dialog units, controls in tab order.
const framework::CDialogTemplate& MainDialogTemplate();
const framework::CDialogTemplate& StartGameDialogTemplate();
const framework::CDialogTemplate& QuitGameDialogTemplate();
const framework::CDialogTemplate& AboutDialogTemplate();

}  // namespace lettrino
