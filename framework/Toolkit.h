#pragma once

#include <functional>

namespace framework {

// Starts the window system's toolkit for the program's command line, runs `run` while
// it is up and returns what `run` returned. Every window of the program lives inside.
int RunWithToolkit(int argc, char** argv, const std::function<int()>& run);

}  // namespace framework
