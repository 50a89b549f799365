#include "platform/RuntimeRandom.h"

#include <gtest/gtest.h>

#include <cstdint>

using platform::CRuntimeRandom;

TEST(RuntimeRandom, FollowsTheClassicRecurrence) {
    // The first values from seed 1 that every program using this generator has drawn.
    CRuntimeRandom random(1);
    const int expected[] = {41, 18467, 6334, 26500, 19169, 15724, 11478, 29358, 26962, 24464};
    for (int value : expected) {
        EXPECT_EQ(random.Next(), value);
    }
}

TEST(RuntimeRandom, MatchesTheRecurrenceForAnySeed) {
    for (std::uint32_t seed : {0u, 1u, 0xFFFFu, 0x12345678u, 0xFFFFFFFFu}) {
        CRuntimeRandom random(seed);
        std::uint32_t state = seed;
        for (int i = 0; i < 1000; ++i) {
            state = state * 214013u + 2531011u;
            const int value = random.Next();
            ASSERT_EQ(value, static_cast<int>((state >> 16) & 0x7FFF)) << "seed " << seed;
            ASSERT_GE(value, 0);
            ASSERT_LE(value, CRuntimeRandom::kMax);
        }
    }
}

TEST(RuntimeRandom, ReseedingReplaysTheSequence) {
    CRuntimeRandom& random = platform::RuntimeRandom();
    random.Seed(0xBEEF);
    const int first = random.Next();
    const int second = random.Next();
    random.Seed(0xBEEF);
    EXPECT_EQ(random.Next(), first);
    EXPECT_EQ(random.Next(), second);
}
