#include "setup/ui/DiskIcon.h"
#include "setup/ui/ProgramResources.h"
#include "setup/ui/QuestionIcon.h"
#include "tests/framework/ProgramResourcesTest.h"

std::vector<CProgramIconRow> ProgramIconRows() {
    return {{"Program", IDR_MAINFRAME, setup::DiskIcon},
            {"Question", IDR_QUESTION, setup::QuestionIcon}};
}
