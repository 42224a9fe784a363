#include "PairingState.h"

#include "Fault.h"
#include "Permutation.h"

#include <utility>

namespace pairing {

namespace {

[[nodiscard]] constexpr std::int32_t wrappingIncrement(std::int32_t value) noexcept
{
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(value) + 1u);
}

} // namespace

PairingState::PairingState(RandomSource source) : random_(std::move(source)) {}

void PairingState::addPlayer()
{
    setDrawEnabled(true);
    if (roster().size() >= capacity(ListId::Roster)) {
        throw ListFull{};
    }
    rosterStore_->push_back(entryText_);
    append(ListId::Roster, static_cast<std::int32_t>(rosterStore_->size() - 1));
    notifyAppended(ListId::Roster);
}

void PairingState::draw()
{
    setDrawEnabled(false);
    random_.ReseedFromClock();
    mas = drawPermutation(random_, static_cast<std::int32_t>(roster().size()));
    deal();
}

void PairingState::startOver()
{
    clear(ListId::Roster);
    clear(ListId::Left);
    clear(ListId::Right);
    entryText_.clear();
    if (observer_ != nullptr) {
        observer_->entryTextCleared();
    }
    setDrawEnabled(false);
}

void PairingState::clearRoster()
{
    clear(ListId::Roster);
    setDrawEnabled(false);
}

void PairingState::clearColumns()
{
    setDrawEnabled(true);
    clear(ListId::Left);
    clear(ListId::Right);
}

void PairingState::deal()
{
    const std::size_t leftBefore = leftColumn().size();
    const std::size_t rightBefore = rightColumn().size();
    // One report per column for the whole deal keeps a large draw from doing per-entry work in
    // the observer; it is made even when a fault cuts the deal short, so that every entry dealt
    // is shown.
    const auto reportGrowth = [&] {
        if (leftColumn().size() != leftBefore) {
            notifyAppended(ListId::Left);
        }
        if (rightColumn().size() != rightBefore) {
            notifyAppended(ListId::Right);
        }
    };
    try {
        // At most this many go to either side; reserving spares the copying of regrowth.
        const std::size_t half = (mas.size() + 1) / 2;
        lists_[index(ListId::Left)].reserve(leftBefore + half);
        lists_[index(ListId::Right)].reserve(rightBefore + half);
        for (const std::int32_t player : mas) {
            DealCounter = wrappingIncrement(DealCounter);
            const bool even = DealCounter % 2 == 0;
            append(even ? ListId::Right : ListId::Left, player);
        }
    } catch (...) {
        reportGrowth();
        throw;
    }
    reportGrowth();
}

void PairingState::setDrawEnabled(bool enabled)
{
    if (drawEnabled_ == enabled) {
        return;
    }
    drawEnabled_ = enabled;
    if (observer_ != nullptr) {
        observer_->drawEnabledChanged(enabled);
    }
}

void PairingState::clear(ListId id)
{
    lists_[index(id)].clear();
    if (id == ListId::Roster) {
        // The columns may still show entries of the old store; they keep it alive.
        rosterStore_ = std::make_shared<NicknameStore>();
    }
    if (observer_ != nullptr) {
        observer_->cleared(id);
    }
}

void PairingState::append(ListId id, std::int32_t rosterIndex)
{
    NicknameList& target = lists_[index(id)];
    if (target.size() >= capacities_[index(id)]) {
        throw ListFull{};
    }
    target.append(rosterStore_, rosterIndex);
}

void PairingState::notifyAppended(ListId id)
{
    if (observer_ != nullptr) {
        observer_->appended(id);
    }
}

} // namespace pairing
