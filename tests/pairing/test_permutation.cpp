#include "Permutation.h"
#include "RandomSource.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <gtest/gtest.h>
#include <initializer_list>
#include <numeric>
#include <string>
#include <vector>

namespace pairing {
namespace {

using Indices = std::vector<std::int32_t>;

RandomSource seeded(std::uint32_t seed)
{
    RandomSource source;
    source.setSeed(seed);
    return source;
}

bool isPermutationOfFirst(const Indices& mas, std::size_t n)
{
    Indices identity(n);
    std::iota(identity.begin(), identity.end(), 0);
    return mas.size() == n && std::is_permutation(mas.begin(), mas.end(), identity.begin());
}

TEST(Permutation, KnownDrawsFromSeedZero)
{
    // Four players take six values: 0, 0 (taken), 3, 0 (taken), 1, 2.
    for (const auto draw : {drawPermutation, drawPermutationLinearScan}) {
        RandomSource four = seeded(0);
        EXPECT_EQ(draw(four, 4), (Indices{0, 3, 1, 2}));
        EXPECT_EQ(four.seed(), 2884733762u);

        RandomSource three = seeded(0);
        EXPECT_EQ(draw(three, 3), (Indices{0, 2, 1}));
        RandomSource nineSteps = seeded(0);
        for (int i = 0; i < 9; ++i) {
            static_cast<void>(nineSteps.NextFraction());
        }
        EXPECT_EQ(three.seed(), nineSteps.seed());
    }
}

TEST(Permutation, EmptyAndSingleRosters)
{
    RandomSource source = seeded(12345);
    EXPECT_TRUE(drawPermutation(source, 0).empty());
    EXPECT_EQ(source.seed(), 12345u) << "an empty draw takes no value";
    EXPECT_EQ(drawPermutation(source, 1), (Indices{0}));
    EXPECT_EQ(source.seed(), nextSeed(12345u)) << "one player takes exactly one value";
}

// The fast draw must take the same values and give the same order as the literal one.
void expectSameAsLinearScan(std::uint32_t seed, std::int32_t n)
{
    RandomSource fast = seeded(seed);
    RandomSource literal = seeded(seed);
    const Indices mas = drawPermutation(fast, n);
    ASSERT_EQ(mas, drawPermutationLinearScan(literal, n)) << "seed " << seed << " n " << n;
    ASSERT_EQ(fast.seed(), literal.seed()) << "seed " << seed << " n " << n;
    ASSERT_TRUE(isPermutationOfFirst(mas, static_cast<std::size_t>(n)));
}

TEST(Permutation, FastDrawMatchesLinearScanForEveryRosterUpTo300)
{
    std::uint32_t seed = 0x2545F491u;
    for (std::int32_t n = 0; n <= 300; ++n) {
        for (int round = 0; round < 6; ++round) {
            seed = seed * 1664525u + 1013904223u;
            expectSameAsLinearScan(seed, n);
        }
    }
}

TEST(Permutation, FastDrawMatchesLinearScanForThousandsOfSeeds)
{
    std::uint32_t seed = 7u;
    for (int round = 0; round < 4000; ++round) {
        seed = seed * 1664525u + 1013904223u;
        expectSameAsLinearScan(seed, static_cast<std::int32_t>(seed >> 27)); // n in 0..31
    }
    for (const std::uint32_t extreme : {0u, 1u, 2147483648u, 4294967295u}) {
        expectSameAsLinearScan(extreme, 64);
    }
}

TEST(Permutation, FastDrawMatchesLinearScanForLargeRosters)
{
    expectSameAsLinearScan(0u, 1000);
    expectSameAsLinearScan(4294967295u, 2048);
    expectSameAsLinearScan(987654321u, 3001);
}

} // namespace
} // namespace pairing
