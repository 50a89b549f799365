// Entry point of the tests that need real windows: the system's controls ready, as
// the programs have them.
#include <gtest/gtest.h>

#include "framework/Toolkit.h"

int main(int argc, char** argv) {
    testing::InitGoogleTest(&argc, argv);
    return framework::RunWithToolkit(argc, argv, [] { return RUN_ALL_TESTS(); });
}
