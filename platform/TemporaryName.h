#pragma once

#include <cstdint>
#include <string>

namespace platform {

// Random names for a file that is written beside another and then takes its place.
// Such a file is created exclusively, so a name that is taken costs one more try.

// Names tried before giving up; each is one of 62^6, so a clash is rare already.
inline constexpr int kRandomNameAttempts = 100;

// Six letters and digits, different for every call of every process. The game's
// own random generator is not used: its sequence belongs to the puzzle draw.
std::string RandomNameSuffix();

// Where the suffixes of this process start, read once: the clock mixed with the
// process id, so that two processes started at the same moment still differ. Each
// system's own (posix/ and win32/TemporaryName.cpp); RandomNameSuffix() mixes it.
std::uint64_t RandomNameSeed();

}  // namespace platform
