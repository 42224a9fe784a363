#include "RandomSource.h"

#include <windows.h>

namespace pairing {

Clock Clock::system()
{
    return {
        []() -> std::optional<std::uint64_t> {
            LARGE_INTEGER count;
            if (QueryPerformanceCounter(&count) == 0) {
                return std::nullopt;
            }
            return static_cast<std::uint64_t>(count.QuadPart);
        },
        [] { return static_cast<std::uint32_t>(GetTickCount()); },
    };
}

} // namespace pairing
