#include "RandomSource.h"

#include <chrono>

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

} // namespace pairing
