#include "NicknameList.h"

#include <algorithm>

namespace pairing {

const Nickname& NicknameList::operator[](std::size_t row) const
{
    const auto segment =
        std::upper_bound(segments_.begin(), segments_.end(), row,
                         [](std::size_t r, const Segment& s) { return r < s.firstRow; }) -
        1;
    return (*segment->store)[static_cast<std::size_t>(indices_[row])];
}

void NicknameList::append(const std::shared_ptr<const NicknameStore>& store, std::int32_t index)
{
    if (segments_.empty() || segments_.back().store != store) {
        segments_.push_back({store, indices_.size()});
    }
    indices_.push_back(index);
}

void NicknameList::clear() noexcept
{
    indices_ = {};
    segments_ = {};
}

} // namespace pairing
