// The program's one application object; the framework's main() runs it.
#include "game/ui/LettrinoApp.h"

namespace {

lettrino::CLettrinoApp theApp;

}  // namespace
