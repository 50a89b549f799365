// The installer's one application object; the framework's main() runs it.
#include "setup/ui/SetupApp.h"

namespace {

setup::CSetupApp theApp;

}  // namespace
