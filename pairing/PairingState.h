#pragma once

#include "NicknameList.h"
#include "PairingObserver.h"
#include "RandomSource.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <limits>
#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace pairing {

// The program's whole working state and the five operations the window's commands perform on it.
// Each operation runs its steps in a fixed order and tells the observer of every change as it
// goes; a fault (ListFull, std::bad_alloc) stops it where it is and leaves done what was done.
class PairingState
{
public:
    // The most rows an item view can address.
    static constexpr std::size_t defaultCapacity = std::numeric_limits<int>::max();

    explicit PairingState(RandomSource source = RandomSource{});

    // Not owned; null for none.
    void setObserver(PairingObserver* observer) noexcept { observer_ = observer; }

    [[nodiscard]] const NicknameList& list(ListId id) const { return lists_[index(id)]; }
    [[nodiscard]] const NicknameList& roster() const { return list(ListId::Roster); }
    [[nodiscard]] const NicknameList& leftColumn() const { return list(ListId::Left); }
    [[nodiscard]] const NicknameList& rightColumn() const { return list(ListId::Right); }

    [[nodiscard]] const Nickname& entryText() const noexcept { return entryText_; }
    // The user's typing; not reported back to the observer, which is where it came from.
    void setEntryText(Nickname text) noexcept { entryText_ = std::move(text); }

    [[nodiscard]] bool drawEnabled() const noexcept { return drawEnabled_; }
    [[nodiscard]] const std::vector<std::int32_t>& permutation() const noexcept { return mas; }
    [[nodiscard]] std::int32_t dealCounter() const noexcept { return DealCounter; }
    // No operation resets the counter; this exists so that a check can start it near the wrap.
    void setDealCounter(std::int32_t value) noexcept { DealCounter = value; }
    [[nodiscard]] RandomSource& randomSource() noexcept { return random_; }

    [[nodiscard]] std::size_t capacity(ListId id) const { return capacities_[index(id)]; }
    void setCapacity(ListId id, std::size_t capacity) { capacities_[index(id)] = capacity; }

    void addPlayer();
    void draw();
    void startOver();
    void clearRoster();
    void clearColumns();

private:
    [[nodiscard]] static constexpr std::size_t index(ListId id) noexcept
    {
        return static_cast<std::size_t>(id);
    }

    void setDrawEnabled(bool enabled);
    void clear(ListId id);
    void ensureRoom(ListId id) const;
    void deal();
    void notifyAppended(ListId id);

    RandomSource random_;
    PairingObserver* observer_ = nullptr;
    // Holds the roster's text; the roster list and the columns refer into it.
    std::shared_ptr<NicknameStore> rosterStore_ = std::make_shared<NicknameStore>();
    std::array<NicknameList, 3> lists_;
    std::array<std::size_t, 3> capacities_{defaultCapacity, defaultCapacity, defaultCapacity};
    Nickname entryText_;
    bool drawEnabled_ = false;
    // The permutation the last draw dealt by.
    std::vector<std::int32_t> mas;
    // Never reset, so that a draw into columns that were not cleared goes on alternating where the
    // last one stopped. Wraps from the largest value to the smallest.
    std::int32_t DealCounter = 0;
};

} // namespace pairing
