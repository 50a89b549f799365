#include "platform/TemporaryName.h"

namespace platform {

std::string RandomNameSuffix() {
    static std::uint64_t s_state = RandomNameSeed();
    // splitmix64: every step gives a well-mixed value.
    s_state += 0x9E3779B97F4A7C15ull;
    std::uint64_t z = s_state;
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    z ^= z >> 31;
    static constexpr char kChars[] =
        "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
    std::string suffix;
    for (int i = 0; i < 6; ++i) {
        suffix += kChars[z % 62];
        z /= 62;
    }
    return suffix;
}

}  // namespace platform
