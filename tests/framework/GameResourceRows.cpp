#include "game/ui/PencilIcon.h"
#include "game/ui/ProgramResources.h"
#include "tests/framework/ProgramResourcesTest.h"

std::vector<CProgramIconRow> ProgramIconRows() {
    return {{"Program", IDR_MAINFRAME, lettrino::PencilIcon}};
}
