#pragma once

#include <exception>
#include <stdexcept>
#include <string_view>

namespace pairing {

inline constexpr std::string_view listFullMessage = "Unable to insert a line";
inline constexpr std::string_view outOfMemoryMessage = "Out of memory";

// Raised when a list that can take no more entries is asked for one.
class ListFull : public std::length_error
{
public:
    ListFull() : std::length_error(listFullMessage.data()) {}
};

// The text a fault is reported with. Exhausted memory gets a fixed text, since std::bad_alloc's
// own is the library's and says nothing to a user.
[[nodiscard]] std::string_view faultMessage(const std::exception& fault) noexcept;

} // namespace pairing
