#include "platform/ProfileFile.h"

namespace platform {

// POSIX has no profile reader of its own: the program's reader follows the rules of
// the one the files were written for.
bool HasSystemProfileReader() {
    return false;
}

std::string ReadSystemProfileString(const std::string&, const std::string&, const std::string&,
                                    const std::string&, std::size_t) {
    return {};
}

int ReadSystemProfileInt(const std::string&, const std::string&, const std::string&,
                         int defaultValue) {
    return defaultValue;
}

}  // namespace platform
