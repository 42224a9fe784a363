// The draw is fair: over a fixed list of uniformly spread seeds every ordering of 4 players and
// every pairing of 8 players comes up as often as a uniform draw makes it, by Pearson's
// chi-square test at significance 0.001. The seeds are fixed, so the outcome is too.
#include "Permutation.h"
#include "RandomSource.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <gtest/gtest.h>
#include <map>
#include <string>
#include <utility>
#include <vector>

namespace pairing {
namespace {

using Indices = std::vector<std::int32_t>;
using Drawer = std::function<Indices(std::uint32_t seed, std::int32_t n)>;

// Upper 0.001 quantiles of the chi-square distribution.
constexpr double critical23 = 49.73;   // 24 orderings
constexpr double critical104 = 154.31; // 105 pairings

// A bijection of 32-bit values that spreads consecutive numbers over the whole range.
std::uint32_t spread(std::uint32_t i)
{
    std::uint32_t z = i * 0x9E3779B9u;
    z = (z ^ (z >> 16)) * 0x85EBCA6Bu;
    z = (z ^ (z >> 13)) * 0xC2B2AE35u;
    return z ^ (z >> 16);
}

Indices programDraw(std::uint32_t seed, std::int32_t n)
{
    RandomSource source;
    source.setSeed(seed);
    return drawPermutation(source, n);
}

// The same rejection draw with the index taken from the generator's low bits instead: the
// mistake the high-bits rule avoids.
Indices lowBitsDraw(std::uint32_t seed, std::int32_t n)
{
    Indices mas;
    std::vector<bool> taken(static_cast<std::size_t>(n));
    while (mas.size() < static_cast<std::size_t>(n)) {
        seed = nextSeed(seed);
        const auto candidate = static_cast<std::int32_t>(seed % static_cast<std::uint32_t>(n));
        if (!taken[static_cast<std::size_t>(candidate)]) {
            taken[static_cast<std::size_t>(candidate)] = true;
            mas.push_back(candidate);
        }
    }
    return mas;
}

// Rows (left, right) of the first deal pair mas[0] with mas[1], mas[2] with mas[3], and so on.
std::vector<std::pair<std::int32_t, std::int32_t>> pairingOf(const Indices& mas)
{
    std::vector<std::pair<std::int32_t, std::int32_t>> pairs;
    for (std::size_t i = 0; i + 1 < mas.size(); i += 2) {
        pairs.emplace_back(std::min(mas[i], mas[i + 1]), std::max(mas[i], mas[i + 1]));
    }
    std::sort(pairs.begin(), pairs.end());
    return pairs;
}

template <typename Outcome> struct Tally
{
    std::map<Outcome, int> counts;
    int draws = 0;

    [[nodiscard]] double chiSquare(int categories) const
    {
        const double expected = static_cast<double>(draws) / categories;
        double sum = 0;
        for (const auto& [outcome, count] : counts) {
            sum += (count - expected) * (count - expected) / expected;
        }
        // Outcomes that never came up contribute their full expectation.
        sum += static_cast<double>(categories - static_cast<int>(counts.size())) * expected;
        return sum;
    }
};

Tally<Indices> orderingsOfFour(const Drawer& draw)
{
    Tally<Indices> tally;
    for (std::uint32_t i = 0; i < 24'000; ++i) {
        ++tally.counts[draw(spread(i), 4)];
        ++tally.draws;
    }
    return tally;
}

TEST(Fairness, EveryOrderingOfFourPlayersEquallyOften)
{
    const Tally<Indices> tally = orderingsOfFour(programDraw);
    EXPECT_EQ(tally.counts.size(), 24u);
    const double statistic = tally.chiSquare(24);
    RecordProperty("chi_square_orderings_of_4", std::to_string(statistic));
    EXPECT_LT(statistic, critical23);
}

TEST(Fairness, EveryPairingOfEightPlayersEquallyOften)
{
    Tally<std::vector<std::pair<std::int32_t, std::int32_t>>> tally;
    for (std::uint32_t i = 0; i < 105'000; ++i) {
        ++tally.counts[pairingOf(programDraw(spread(i), 8))];
        ++tally.draws;
    }
    EXPECT_EQ(tally.counts.size(), 105u);
    const double statistic = tally.chiSquare(105);
    RecordProperty("chi_square_pairings_of_8", std::to_string(statistic));
    EXPECT_LT(statistic, critical104);
}

TEST(Fairness, TheTestRejectsIndicesFromTheLowBits)
{
    // The low two bits of this generator just count 0, 1, 2, 3: four orderings out of 24.
    const Tally<Indices> tally = orderingsOfFour(lowBitsDraw);
    EXPECT_EQ(tally.counts.size(), 4u);
    EXPECT_GT(tally.chiSquare(24), critical23);
}

} // namespace
} // namespace pairing
