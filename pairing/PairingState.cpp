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
    ensureRoom(ListId::Roster);
    rosterStore_->push_back(entryText_);
    lists_[index(ListId::Roster)].append(rosterStore_,
                                         static_cast<std::int32_t>(rosterStore_->size() - 1));
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
        for (const std::int32_t player : mas) {
            DealCounter = wrappingIncrement(DealCounter);
            const bool even = DealCounter % 2 == 0;
            const ListId side = even ? ListId::Right : ListId::Left;
            ensureRoom(side);
            lists_[index(side)].append(rosterStore_, player);
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

void PairingState::ensureRoom(ListId id) const
{
    if (list(id).size() >= capacity(id)) {
        throw ListFull{};
    }
}

void PairingState::notifyAppended(ListId id)
{
    if (observer_ != nullptr) {
        observer_->appended(id);
    }
}

} // namespace pairing
