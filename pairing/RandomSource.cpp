#include "RandomSource.h"

#include <utility>

namespace pairing {

RandomSource::RandomSource(Clock clock) : clock_(std::move(clock)) {}

void RandomSource::ReseedFromClock()
{
    const std::optional<std::uint64_t> count =
        clock_.highResolutionCount ? clock_.highResolutionCount() : std::nullopt;
    seed_ = count ? static_cast<std::uint32_t>(*count) : clock_.millisecondsSinceStart();
}

double RandomSource::NextFraction() noexcept
{
    constexpr double twoToMinus32 = 1.0 / 4294967296.0;
    seed_ = nextSeed(seed_);
    return seed_ * twoToMinus32;
}

} // namespace pairing
