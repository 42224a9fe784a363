#pragma once

#include "PairingObserver.h"
#include "PairingState.h"
#include "RandomSource.h"

#include <cstdint>
#include <string>
#include <vector>

namespace pairing::testing {

// A clock whose high-resolution count always ends in the given 32 bits.
inline Clock fixedClock(std::uint32_t seed)
{
    return {[seed] { return std::optional<std::uint64_t>{(std::uint64_t{0xABCD} << 32) | seed}; },
            [] { return std::uint32_t{0}; }};
}

inline PairingState stateWithSeed(std::uint32_t seed)
{
    return PairingState{RandomSource{fixedClock(seed)}};
}

inline std::vector<std::u16string> texts(const NicknameList& list)
{
    std::vector<std::u16string> result;
    result.reserve(list.size());
    for (std::size_t row = 0; row < list.size(); ++row) {
        result.push_back(list[row]);
    }
    return result;
}

inline void addPlayers(PairingState& state, const std::vector<std::u16string>& names)
{
    for (const auto& name : names) {
        state.setEntryText(name);
        state.addPlayer();
    }
}

inline const char* name(ListId id)
{
    switch (id) {
    case ListId::Roster:
        return "roster";
    case ListId::Left:
        return "left";
    case ListId::Right:
        return "right";
    }
    return "?";
}

// Writes down every notification with the size the list has when it arrives.
class RecordingObserver final : public PairingObserver
{
public:
    explicit RecordingObserver(const PairingState& state) : state_(state) {}

    std::vector<std::string> events;

    void appended(ListId list) override
    {
        events.push_back(std::string{"appended "} + name(list) + " " +
                         std::to_string(state_.list(list).size()));
    }
    void cleared(ListId list) override { events.push_back(std::string{"cleared "} + name(list)); }
    void drawEnabledChanged(bool enabled) override
    {
        events.emplace_back(enabled ? "enabled" : "disabled");
    }
    void entryTextCleared() override { events.emplace_back("entry cleared"); }

private:
    const PairingState& state_;
};

} // namespace pairing::testing
