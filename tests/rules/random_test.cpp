// SPDX-License-Identifier: MIT
#include "random.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

TEST(SeededRandom, DrawsMultiplesOf2ToTheMinus24InTheHalfOpenUnitRange)
{
    SeededRandom random(7);
    for (int i = 0; i < 100000; ++i) {
        const float r = random.next();
        ASSERT_GE(r, 0.0f);
        ASSERT_LT(r, 1.0f);
        const double scaled = static_cast<double>(r) * 16777216.0;
        ASSERT_EQ(scaled, std::floor(scaled)) << r;
    }
}

TEST(SeededRandom, RepeatsItsSequenceForTheSameSeedOnly)
{
    SeededRandom a(42), b(42), c(43);
    int differences = 0;
    for (int i = 0; i < 100; ++i) {
        const float fromA = a.next();
        EXPECT_EQ(fromA, b.next());
        differences += fromA != c.next();
    }
    EXPECT_GT(differences, 90);
}

TEST(SeededRandom, IsUniformEnoughForThreeMoods)
{
    SeededRandom random(99);
    int counts[3] = {};
    const int draws = 300000;
    for (int i = 0; i < draws; ++i)
        ++counts[static_cast<int>(std::floor(static_cast<double>(random.next()) * 3))];
    for (int count : counts)
        EXPECT_NEAR(count, draws / 3, draws / 100);
}

} // namespace
