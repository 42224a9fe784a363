// Random sequences of the five operations, run on PairingState and on a reference model written
// straight from the rules: the literal rejection draw with a scan of every earlier position, the
// fraction-times-N index, and the parity test by comparing an integer and a floating-point
// half. After every step the two must agree on everything a user or the next draw can see.
#include "Fault.h"
#include "PairingState.h"
#include "RecordingObserver.h"

#include <array>
#include <climits>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <gtest/gtest.h>
#include <iterator>
#include <optional>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

namespace pairing {
namespace {

using Names = std::vector<std::u16string>;

enum class Op { SetEntry, AddPlayer, Draw, StartOver, ClearRoster, ClearColumns };

struct Step
{
    Op op = Op::SetEntry;
    std::u16string text{};   // SetEntry
    std::uint32_t clock = 0; // Draw: what the clock's low 32 bits read
};

struct Scenario
{
    std::int32_t startCounter = 0;
    std::array<std::size_t, 3> capacities{PairingState::defaultCapacity,
                                          PairingState::defaultCapacity,
                                          PairingState::defaultCapacity};
    std::vector<Step> steps;
};

struct Reference
{
    Names roster, left, right;
    std::u16string entry;
    bool drawEnabled = false;
    std::vector<std::int32_t> mas;
    std::int32_t counter = 0;
    std::uint32_t seed = 0;
    std::array<std::size_t, 3> capacities{};
    bool invertedParity = false; // a planted mistake, to show the checker catches one

    double nextFraction()
    {
        seed = static_cast<std::uint32_t>((std::uint64_t{seed} * 134775813u + 1u) % 4294967296u);
        return seed * std::pow(2.0, -32);
    }

    bool append(Names& list, std::size_t capacity, const std::u16string& name)
    {
        if (list.size() >= capacity) {
            return false;
        }
        list.push_back(name);
        return true;
    }

    // Returns whether the operation ran to its end (false: a list was full).
    bool run(const Step& step)
    {
        switch (step.op) {
        case Op::SetEntry:
            entry = step.text;
            return true;
        case Op::AddPlayer:
            drawEnabled = true;
            return append(roster, capacities[0], entry);
        case Op::StartOver:
            roster.clear();
            left.clear();
            right.clear();
            entry.clear();
            drawEnabled = false;
            return true;
        case Op::ClearRoster:
            roster.clear();
            drawEnabled = false;
            return true;
        case Op::ClearColumns:
            drawEnabled = true;
            left.clear();
            right.clear();
            return true;
        case Op::Draw:
            return draw(step.clock);
        }
        return true;
    }

    bool draw(std::uint32_t clock)
    {
        drawEnabled = false;
        seed = clock;
        const auto n = static_cast<std::int32_t>(roster.size());
        mas.assign(roster.size(), 0);
        if (n == 0) {
            return true;
        }
        mas[0] = static_cast<std::int32_t>(std::trunc(nextFraction() * n));
        for (std::int32_t k = 1; k < n;) {
            const auto r = static_cast<std::int32_t>(std::trunc(nextFraction() * n));
            bool found = false;
            for (std::int32_t i = 0; i < k; ++i) {
                if (mas[static_cast<std::size_t>(i)] == r) {
                    found = true;
                }
            }
            if (!found) {
                mas[static_cast<std::size_t>(k)] = r;
                ++k;
            }
        }
        for (const std::int32_t player : mas) {
            counter = static_cast<std::int32_t>(static_cast<std::int64_t>(counter) + 1 -
                                                (counter == INT_MAX ? 4294967296LL : 0));
            const std::int32_t h = counter / 2;
            const double x = counter / 2.0;
            const bool even = (h == x) != invertedParity;
            Names& side = even ? right : left;
            if (!append(side, capacities[even ? 2 : 1], roster[static_cast<std::size_t>(player)])) {
                return false;
            }
        }
        return true;
    }
};

std::string describe(const Scenario& scenario)
{
    static const char* const names[] = {"set entry",  "add",          "draw",
                                        "start over", "clear roster", "clear columns"};
    std::ostringstream out;
    out << "counter " << scenario.startCounter << ", capacities " << scenario.capacities[0] << "/"
        << scenario.capacities[1] << "/" << scenario.capacities[2] << ":";
    for (const Step& step : scenario.steps) {
        out << "\n  " << names[static_cast<int>(step.op)];
        if (step.op == Op::SetEntry) {
            out << " (" << step.text.size() << " units)";
        } else if (step.op == Op::Draw) {
            out << " (clock " << step.clock << ")";
        }
    }
    return out.str();
}

// Runs the scenario on both and returns the first step where they disagree, with what differed.
std::optional<std::pair<std::size_t, std::string>> divergence(const Scenario& scenario,
                                                              bool invertedParity = false)
{
    std::uint32_t clock = 0;
    PairingState state{RandomSource{Clock{[&clock] { return std::optional<std::uint64_t>{clock}; },
                                          [] { return std::uint32_t{0}; }}}};
    state.setDealCounter(scenario.startCounter);
    Reference model;
    model.counter = scenario.startCounter;
    model.capacities = scenario.capacities;
    model.invertedParity = invertedParity;
    for (std::size_t id = 0; id < 3; ++id) {
        state.setCapacity(static_cast<ListId>(id), scenario.capacities[id]);
    }

    for (std::size_t i = 0; i < scenario.steps.size(); ++i) {
        const Step& step = scenario.steps[i];
        clock = step.clock;
        bool completed = true;
        try {
            switch (step.op) {
            case Op::SetEntry:
                state.setEntryText(step.text);
                break;
            case Op::AddPlayer:
                state.addPlayer();
                break;
            case Op::Draw:
                state.draw();
                break;
            case Op::StartOver:
                state.startOver();
                break;
            case Op::ClearRoster:
                state.clearRoster();
                break;
            case Op::ClearColumns:
                state.clearColumns();
                break;
            }
        } catch (const ListFull&) {
            completed = false;
        }
        const bool modelCompleted = model.run(step);
        const std::pair<const char*, bool> agreements[] = {
            {"fault raised", completed == modelCompleted},
            {"roster", testing::texts(state.roster()) == model.roster},
            {"left column", testing::texts(state.leftColumn()) == model.left},
            {"right column", testing::texts(state.rightColumn()) == model.right},
            {"entry text", state.entryText() == model.entry},
            {"draw enabled", state.drawEnabled() == model.drawEnabled},
            {"mas", state.permutation() == model.mas},
            {"deal counter", state.dealCounter() == model.counter},
        };
        for (const auto& [what, agree] : agreements) {
            if (!agree) {
                return std::pair<std::size_t, std::string>{i, what};
            }
        }
    }
    return std::nullopt;
}

// Drops steps, one or two at a time, while the two still disagree: a short story of a failure.
// Single removals alone can get stuck where only removing two at once keeps the failure.
Scenario shrink(Scenario scenario, bool invertedParity = false)
{
    scenario.steps.resize(divergence(scenario, invertedParity)->first + 1);
    const auto without = [&scenario](std::size_t i, std::size_t j) {
        Scenario shorter = scenario;
        shorter.steps.erase(shorter.steps.begin() + static_cast<std::ptrdiff_t>(j));
        if (i != j) {
            shorter.steps.erase(shorter.steps.begin() + static_cast<std::ptrdiff_t>(i));
        }
        return shorter;
    };
    for (bool shrunk = true; shrunk;) {
        shrunk = false;
        for (std::size_t j = 0; j < scenario.steps.size() && !shrunk; ++j) {
            for (std::size_t i = 0; i <= j && !shrunk; ++i) {
                Scenario shorter = without(i, j);
                if (divergence(shorter, invertedParity)) {
                    scenario = std::move(shorter);
                    shrunk = true;
                }
            }
        }
    }
    return scenario;
}

class Generator
{
public:
    explicit Generator(std::uint64_t seed) : state_(seed) {}

    std::uint32_t next()
    {
        state_ = state_ * 6364136223846793005u + 1442695040888963407u;
        return static_cast<std::uint32_t>(state_ >> 32);
    }
    std::uint32_t below(std::uint32_t n)
    {
        return static_cast<std::uint32_t>((std::uint64_t{next()} * n) >> 32);
    }

    Scenario scenario()
    {
        static const std::u16string texts[] = {
            u"", u"A", u"B", u"Ж", u"A", u"\U0001F3B2", std::u16string(1, char16_t{0xDC00})};
        Scenario s;
        if (below(4) == 0) {
            s.startCounter = INT_MAX - static_cast<std::int32_t>(below(12));
        }
        if (below(2) == 0) {
            for (auto& capacity : s.capacities) {
                capacity = below(3) == 0 ? below(12) : PairingState::defaultCapacity;
            }
        }
        const std::uint32_t length = 5 + below(40);
        for (std::uint32_t i = 0; i < length; ++i) {
            const std::uint32_t roll = below(100);
            if (roll < 20) {
                s.steps.push_back({Op::SetEntry, texts[below(std::size(texts))]});
            } else if (roll < 65) {
                s.steps.push_back({Op::AddPlayer});
            } else if (roll < 80) {
                s.steps.push_back({Op::Draw, {}, next()});
            } else if (roll < 85) {
                s.steps.push_back({Op::StartOver});
            } else if (roll < 92) {
                s.steps.push_back({Op::ClearRoster});
            } else {
                s.steps.push_back({Op::ClearColumns});
            }
        }
        return s;
    }

private:
    std::uint64_t state_;
};

TEST(ModelCheck, ThousandsOfRandomSequencesMatchTheReference)
{
    Generator generator{20261208};
    constexpr int sequences = 10000;
    for (int i = 0; i < sequences; ++i) {
        const Scenario scenario = generator.scenario();
        if (const auto found = divergence(scenario)) {
            const Scenario shortest = shrink(scenario);
            FAIL() << "sequence " << i << " differs in " << divergence(shortest)->second
                   << " after\n"
                   << describe(shortest);
        }
    }
    RecordProperty("sequences", sequences);
}

TEST(ModelCheck, APlantedMistakeIsFoundAndShrunkToItsShortestStory)
{
    Scenario scenario;
    scenario.steps = {{Op::SetEntry, u"A"}, {Op::AddPlayer},    {Op::AddPlayer},
                      {Op::StartOver},      {Op::AddPlayer},    {Op::ClearColumns},
                      {Op::Draw, {}, 5},    {Op::ClearColumns}, {Op::Draw, {}, 9}};
    ASSERT_FALSE(divergence(scenario));
    const auto found = divergence(scenario, true);
    ASSERT_TRUE(found);
    EXPECT_EQ(found->first, 6u);
    EXPECT_EQ(found->second, "left column");

    const Scenario shortest = shrink(scenario, true);
    ASSERT_EQ(shortest.steps.size(), 2u) << describe(shortest);
    EXPECT_EQ(shortest.steps[0].op, Op::AddPlayer);
    EXPECT_EQ(shortest.steps[1].op, Op::Draw);
}

} // namespace
} // namespace pairing
