#include "RandomSource.h"

#include <array>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <gtest/gtest.h>
#include <optional>

namespace pairing {
namespace {

TEST(RandomSource, StepsFromSeedZeroGiveTheKnownSeedsAndFractions)
{
    RandomSource source;
    ASSERT_EQ(source.seed(), 0u);
    const std::array<std::uint32_t, 5> seeds{1u, 134775814u, 3698175007u, 870078620u, 1172187917u};
    const std::array<double, 5> fractions{2.3283064365386963e-10, 0.031379939522594213,
                                          0.8610484672244638, 0.20258096512407064,
                                          0.2729212671983987};
    for (std::size_t i = 0; i < seeds.size(); ++i) {
        EXPECT_EQ(source.NextFraction(), fractions[i]) << "step " << i;
        EXPECT_EQ(source.seed(), seeds[i]) << "step " << i;
    }
}

TEST(RandomSource, WrapsModulo2To32AndNeverReachesOne)
{
    RandomSource source;
    source.setSeed(4294967295u);
    EXPECT_EQ(source.NextFraction(), 4160191484.0 / 4294967296.0);
    EXPECT_EQ(source.seed(), 4160191484u);

    // The seed before 4294967295 gives the largest fraction there is. The multiplier is odd, so
    // it has an inverse modulo 2^32 (Newton's iteration doubles the correct bits each step).
    std::uint32_t inverse = 134775813u;
    for (int i = 0; i < 5; ++i) {
        inverse *= 2u - 134775813u * inverse;
    }
    const std::uint32_t before = (4294967295u - 1u) * inverse;
    ASSERT_EQ(nextSeed(before), 4294967295u);
    source.setSeed(before);
    const double largest = source.NextFraction();
    EXPECT_LT(largest, 1.0);
    EXPECT_EQ(largest, 4294967295.0 / 4294967296.0);
}

TEST(RandomSource, IndexIsTheTruncatedScaledFractionAndStaysBelowN)
{
    const std::array<std::uint32_t, 9> ns{1u,     2u,       3u,          7u,         300u,
                                          65536u, 1000003u, 2147483647u, 4294967295u};
    const std::array<std::uint32_t, 6> seeds{0u,          1u,          2147483648u,
                                             4294967294u, 4294967295u, 134775814u};
    for (const std::uint32_t n : ns) {
        for (const std::uint32_t seed : seeds) {
            const double fraction = seed / 4294967296.0;
            const auto truncated = static_cast<std::uint32_t>(std::trunc(fraction * n));
            EXPECT_EQ(indexFromSeed(seed, n), truncated) << "seed " << seed << " n " << n;
            EXPECT_LT(indexFromSeed(seed, n), n);
        }
        EXPECT_EQ(indexFromSeed(1u, n), 0u) << "n " << n;
    }
    for (std::uint32_t seed = 0; seed < 1000; ++seed) {
        EXPECT_EQ(indexFromSeed(seed * 4294967u, 1u), 0u);
    }
}

TEST(RandomSource, ReseedTakesTheLowBitsOfTheCountOrFallsBackToMilliseconds)
{
    RandomSource counted{Clock{[] { return std::optional<std::uint64_t>{0x1234567890ABCDEFu}; },
                               [] { return std::uint32_t{77}; }}};
    counted.ReseedFromClock();
    EXPECT_EQ(counted.seed(), 0x90ABCDEFu);

    RandomSource fallback{
        Clock{[] { return std::optional<std::uint64_t>{}; }, [] { return std::uint32_t{123456}; }}};
    fallback.setSeed(99);
    fallback.ReseedFromClock();
    EXPECT_EQ(fallback.seed(), 123456u);
}

TEST(RandomSource, SystemClockReseedVaries)
{
    RandomSource source;
    source.ReseedFromClock();
    const std::uint32_t first = source.seed();
    bool varied = false;
    for (int attempt = 0; attempt < 100000 && !varied; ++attempt) {
        source.ReseedFromClock();
        varied = source.seed() != first;
    }
    EXPECT_TRUE(varied);
}

} // namespace
} // namespace pairing
