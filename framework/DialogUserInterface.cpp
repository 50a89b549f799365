#include "framework/DialogUserInterface.h"

namespace framework {

CDialogUserInterface* DialogUserInterface() {
    return dynamic_cast<CDialogUserInterface*>(&platform::UserInterface());
}

}  // namespace framework
