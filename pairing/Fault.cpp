#include "Fault.h"

#include <new>

namespace pairing {

std::string_view faultMessage(const std::exception& fault) noexcept
{
    if (dynamic_cast<const std::bad_alloc*>(&fault) != nullptr) {
        return outOfMemoryMessage;
    }
    return fault.what();
}

} // namespace pairing
