#pragma once

namespace pairing {

enum class ListId { Roster, Left, Right };

// Told of every change to a PairingState, after it happened and in the order it happened. A draw
// reports each column's growth once, when dealing stops, however many entries it appended.
class PairingObserver
{
public:
    virtual ~PairingObserver() = default;

    virtual void appended(ListId list) = 0;
    virtual void cleared(ListId list) = 0;
    virtual void drawEnabledChanged(bool enabled) = 0;
    virtual void entryTextCleared() = 0;

protected:
    PairingObserver() = default;
    PairingObserver(const PairingObserver&) = default;
    PairingObserver(PairingObserver&&) = default;
    PairingObserver& operator=(const PairingObserver&) = default;
    PairingObserver& operator=(PairingObserver&&) = default;
};

} // namespace pairing
