#pragma once

#include "platform/UserInterface.h"

namespace framework {

class CDialog;

// The framework's side of the replaceable user-interface hook: besides message
// boxes, the busy pointer and the beep, every modal run of a dialog goes through
// here, so one installed object sees everything the user would see.
class CDialogUserInterface : public platform::CUserInterface {
public:
    // Runs `dialog` modally and returns the result it was ended with.
    virtual int RunModalDialog(CDialog& dialog) = 0;
};

// The hook in force when it is a dialog-capable one, else nullptr.
CDialogUserInterface* DialogUserInterface();

}  // namespace framework
