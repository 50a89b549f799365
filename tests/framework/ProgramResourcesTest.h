#pragma once

#include <vector>

#include "framework/Icon.h"

// One icon of a program's resources and the drawing it was made from.
struct CProgramIconRow {
    const char* name;
    int nResourceId;
    framework::CIcon (*icon)();
};

// The icons of the program whose resources the test executable carries.
std::vector<CProgramIconRow> ProgramIconRows();
