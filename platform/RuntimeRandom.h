#pragma once

#include <cstdint>

namespace platform {

// The classic C runtime generator, bit for bit: puzzles drawn from the same seed must
// come out the same on every platform, and the host C library's rand() follows a
// different recurrence, so the generator is ours.
class CRuntimeRandom {
public:
    static constexpr int kMax = 0x7FFF;

    explicit CRuntimeRandom(std::uint32_t seed = 1) : m_state(seed) {}

    void Seed(std::uint32_t seed) { m_state = seed; }

    // The next value, 0 to kMax.
    int Next() {
        m_state = m_state * 214013u + 2531011u;
        return static_cast<int>((m_state >> 16) & 0x7FFFu);
    }

    std::uint32_t State() const { return m_state; }

private:
    std::uint32_t m_state;
};

// The process-wide generator that the program seeds once at start-up and every draw
// continues; tests seed it to replay a known sequence.
CRuntimeRandom& RuntimeRandom();

}  // namespace platform
