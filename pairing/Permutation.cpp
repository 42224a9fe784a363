#include "Permutation.h"

#include "RandomSource.h"

#include <cstddef>

namespace pairing {

std::vector<std::int32_t> drawPermutation(RandomSource& source, std::int32_t n)
{
    if (n <= 0) {
        return {};
    }
    const auto count = static_cast<std::size_t>(n);
    std::vector<std::int32_t> mas(count);
    std::vector<std::uint8_t> taken(count, 0);

    // Branch-free on purpose: whether a candidate is new is decided by data the predictor cannot
    // guess, so every candidate is written and the fill position advances only when it was new.
    std::uint32_t seed = source.seed();
    std::size_t filled = 0;
    while (filled < count) {
        seed = nextSeed(seed);
        const std::uint32_t candidate = indexFromSeed(seed, static_cast<std::uint32_t>(n));
        const std::uint8_t wasTaken = taken[candidate];
        taken[candidate] = 1;
        mas[filled] = static_cast<std::int32_t>(candidate);
        filled += 1u - wasTaken;
    }
    source.setSeed(seed);
    return mas;
}

std::vector<std::int32_t> drawPermutationLinearScan(RandomSource& source, std::int32_t n)
{
    if (n <= 0) {
        return {};
    }
    const auto count = static_cast<std::size_t>(n);
    std::vector<std::int32_t> mas(count);
    mas[0] = static_cast<std::int32_t>(source.NextFraction() * n);
    for (std::size_t k = 1; k < count;) {
        const auto candidate = static_cast<std::int32_t>(source.NextFraction() * n);
        bool found = false;
        for (std::size_t i = 0; i < k; ++i) {
            found = found || mas[i] == candidate;
        }
        if (!found) {
            mas[k] = candidate;
            ++k;
        }
    }
    return mas;
}

} // namespace pairing
