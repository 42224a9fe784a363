#include "RandomSource.h"

#include <chrono>
#include <utility>

namespace pairing {

Clock Clock::system()
{
    using std::chrono::steady_clock;
    return {
        [] {
            return std::optional<std::uint64_t>{
                static_cast<std::uint64_t>(std::chrono::duration_cast<std::chrono::nanoseconds>(
                                               steady_clock::now().time_since_epoch())
                                               .count())};
        },
        // The monotonic clock counts from boot on the systems we run on.
        [] {
            return static_cast<std::uint32_t>(std::chrono::duration_cast<std::chrono::milliseconds>(
                                                  steady_clock::now().time_since_epoch())
                                                  .count());
        },
    };
}

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
