#pragma once

#include <cstdint>
#include <functional>
#include <optional>

namespace pairing {

// One step of the 32-bit linear congruential generator behind every draw.
[[nodiscard]] constexpr std::uint32_t nextSeed(std::uint32_t seed) noexcept
{
    return seed * 134775813u + 1u;
}

// floor(seed * n / 2^32): the same value as trunc(seed * 2^-32 * n), since that product is exact,
// and always below n. Taking the high bits matters: the low bits of an LCG cycle quickly.
[[nodiscard]] constexpr std::uint32_t indexFromSeed(std::uint32_t seed, std::uint32_t n) noexcept
{
    return static_cast<std::uint32_t>((std::uint64_t{seed} * n) >> 32);
}

// Where a reseed takes its value from. Either read may be replaced, so that a test can make the
// reseed produce any seed and can exercise the fallback.
struct Clock
{
    // A varying high-resolution count; empty when it cannot be read.
    std::function<std::optional<std::uint64_t>()> highResolutionCount;
    std::function<std::uint32_t()> millisecondsSinceStart;

    [[nodiscard]] static Clock system();
};

class RandomSource
{
public:
    explicit RandomSource(Clock clock = Clock::system());

    void ReseedFromClock();
    // In [0, 1): the new seed scaled by 2^-32.
    [[nodiscard]] double NextFraction() noexcept;

    [[nodiscard]] std::uint32_t seed() const noexcept { return seed_; }
    void setSeed(std::uint32_t seed) noexcept { seed_ = seed; }

private:
    Clock clock_;
    std::uint32_t seed_ = 0;
};

} // namespace pairing
