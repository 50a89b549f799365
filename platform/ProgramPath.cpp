#include "platform/ProgramPath.h"

#include <utility>

namespace platform {

namespace {

std::string& Override() {
    static std::string path;
    return path;
}

}  // namespace

std::string ProgramPath() {
    if (!Override().empty()) {
        return Override();
    }
    // Asked once, at the first call that finds no override, and kept.
    static const std::string real = SystemProgramPath();
    return real;
}

void OverrideProgramPath(std::string path) {
    Override() = std::move(path);
}

}  // namespace platform
