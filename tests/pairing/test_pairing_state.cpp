#include "Fault.h"
#include "PairingState.h"
#include "RecordingObserver.h"

#include <algorithm>
#include <climits>
#include <cstdint>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace pairing {
namespace {

using testing::addPlayers;
using testing::RecordingObserver;
using testing::stateWithSeed;
using testing::texts;
using Names = std::vector<std::u16string>;
using Indices = std::vector<std::int32_t>;

TEST(Draw, FourPlayersFromSeedZero)
{
    PairingState state = stateWithSeed(0);
    addPlayers(state, {u"A", u"B", u"C", u"D"});
    state.draw();
    EXPECT_EQ(state.permutation(), (Indices{0, 3, 1, 2}));
    EXPECT_EQ(texts(state.leftColumn()), (Names{u"A", u"B"}));
    EXPECT_EQ(texts(state.rightColumn()), (Names{u"D", u"C"}));
    EXPECT_EQ(texts(state.roster()), (Names{u"A", u"B", u"C", u"D"}));
    EXPECT_EQ(state.dealCounter(), 4);
    EXPECT_FALSE(state.drawEnabled());
}

TEST(Draw, CounterCarriesOverSoASecondDrawStartsOnTheRight)
{
    PairingState state = stateWithSeed(0);
    addPlayers(state, {u"A", u"B", u"C"});
    state.draw();
    EXPECT_EQ(state.permutation(), (Indices{0, 2, 1}));
    EXPECT_EQ(texts(state.leftColumn()), (Names{u"A", u"B"}));
    EXPECT_EQ(texts(state.rightColumn()), (Names{u"C"}));

    state.clearColumns();
    state.draw();
    EXPECT_EQ(state.permutation(), (Indices{0, 2, 1}));
    EXPECT_EQ(texts(state.leftColumn()), (Names{u"C"}));
    EXPECT_EQ(texts(state.rightColumn()), (Names{u"A", u"B"}));
    EXPECT_EQ(state.dealCounter(), 6);

    // Not even starting over resets it.
    state.startOver();
    addPlayers(state, {u"X"});
    state.draw();
    EXPECT_EQ(state.dealCounter(), 7);
    EXPECT_EQ(texts(state.leftColumn()), (Names{u"X"}));
}

TEST(Draw, OnePlayerGoesLeft)
{
    PairingState state = stateWithSeed(99);
    addPlayers(state, {u"A"});
    state.draw();
    EXPECT_EQ(texts(state.leftColumn()), (Names{u"A"}));
    EXPECT_TRUE(state.rightColumn().empty());
    EXPECT_EQ(state.dealCounter(), 1);
    EXPECT_FALSE(state.drawEnabled());
}

TEST(Draw, EmptyRosterOnlyDisablesAndReseeds)
{
    PairingState state = stateWithSeed(4242);
    addPlayers(state, {u"A", u"B"});
    state.draw();
    const Names left = texts(state.leftColumn());
    state.clearRoster();
    state.clearColumns();
    ASSERT_TRUE(state.drawEnabled());
    state.randomSource().setSeed(1);
    state.draw();
    EXPECT_FALSE(state.drawEnabled());
    EXPECT_EQ(state.randomSource().seed(), 4242u);
    EXPECT_TRUE(state.permutation().empty());
    EXPECT_TRUE(state.leftColumn().empty());
    EXPECT_TRUE(state.rightColumn().empty());
    EXPECT_EQ(state.dealCounter(), 2);
}

TEST(Draw, AppendsBelowAnEarlierDealThatWasNotCleared)
{
    PairingState state = stateWithSeed(5);
    addPlayers(state, {u"A", u"B", u"C", u"D"});
    state.draw();
    const Names firstLeft = texts(state.leftColumn());
    const Names firstRight = texts(state.rightColumn());
    addPlayers(state, {u"E"});
    state.draw();
    ASSERT_EQ(state.leftColumn().size(), 2u + 3u);
    ASSERT_EQ(state.rightColumn().size(), 2u + 2u);
    const Names left = texts(state.leftColumn());
    const Names right = texts(state.rightColumn());
    EXPECT_TRUE(std::equal(firstLeft.begin(), firstLeft.end(), left.begin()));
    EXPECT_TRUE(std::equal(firstRight.begin(), firstRight.end(), right.begin()));
}

TEST(Draw, ColumnsKeepShowingTheEntriesOfAClearedRoster)
{
    PairingState state = stateWithSeed(0);
    addPlayers(state, {u"A", u"B"});
    state.draw();
    state.clearRoster();
    addPlayers(state, {u"X", u"Y"});
    state.draw();
    EXPECT_EQ(texts(state.leftColumn()), (Names{u"A", u"X"}));
    EXPECT_EQ(texts(state.rightColumn()), (Names{u"B", u"Y"}));
    state.clearRoster();
    EXPECT_EQ(texts(state.leftColumn()), (Names{u"A", u"X"}));
}

TEST(Draw, DealsDuplicatesEmptyAndUnusualNicknamesUnchanged)
{
    const std::u16string loneSurrogate{char16_t{0xD800}};
    const std::u16string embeddedNul{u"a\0b", 3};
    const std::u16string huge(1 << 20, u'\u0416');
    const Names roster{u"", u"Same", u"Same", loneSurrogate, embeddedNul, huge, u"Игрок"};

    PairingState state = stateWithSeed(31337);
    addPlayers(state, roster);
    EXPECT_EQ(texts(state.roster()), roster);
    state.draw();

    Names dealt = texts(state.leftColumn());
    const Names right = texts(state.rightColumn());
    dealt.insert(dealt.end(), right.begin(), right.end());
    EXPECT_TRUE(std::is_permutation(dealt.begin(), dealt.end(), roster.begin(), roster.end()));
}

TEST(Draw, CounterWrapsAndAlternationCarriesOn)
{
    PairingState state = stateWithSeed(0);
    addPlayers(state, {u"A", u"B", u"C", u"D"});
    state.setDealCounter(INT_MAX - 2);
    state.draw();
    // Deals at INT_MAX - 1 (even), INT_MAX (odd), INT_MIN (even), INT_MIN + 1 (odd).
    EXPECT_EQ(state.dealCounter(), INT_MIN + 1);
    EXPECT_EQ(texts(state.leftColumn()), (Names{u"D", u"C"}));
    EXPECT_EQ(texts(state.rightColumn()), (Names{u"A", u"B"}));
}

TEST(Operations, DrawEnabledFollowsEachOperation)
{
    PairingState state = stateWithSeed(1);
    EXPECT_FALSE(state.drawEnabled());
    state.addPlayer();
    EXPECT_TRUE(state.drawEnabled());
    state.draw();
    EXPECT_FALSE(state.drawEnabled());
    state.clearColumns();
    EXPECT_TRUE(state.drawEnabled());
    state.clearRoster();
    EXPECT_FALSE(state.drawEnabled());
    state.clearColumns();
    state.startOver();
    EXPECT_FALSE(state.drawEnabled());
}

TEST(Operations, EachClearLeavesTheOtherListsAndTheEntryAlone)
{
    PairingState state = stateWithSeed(3);
    addPlayers(state, {u"A", u"B", u"C"});
    state.draw();
    state.setEntryText(u"typed");
    const Names left = texts(state.leftColumn());
    const Names right = texts(state.rightColumn());

    state.clearRoster();
    EXPECT_TRUE(state.roster().empty());
    EXPECT_EQ(texts(state.leftColumn()), left);
    EXPECT_EQ(texts(state.rightColumn()), right);
    EXPECT_EQ(state.entryText(), u"typed");

    addPlayers(state, {u"Z"});
    state.clearColumns();
    EXPECT_EQ(texts(state.roster()), (Names{u"Z"}));
    EXPECT_TRUE(state.leftColumn().empty());
    EXPECT_TRUE(state.rightColumn().empty());
    EXPECT_EQ(state.entryText(), u"Z");

    state.draw();
    state.startOver();
    EXPECT_TRUE(state.roster().empty());
    EXPECT_TRUE(state.leftColumn().empty());
    EXPECT_TRUE(state.rightColumn().empty());
    EXPECT_TRUE(state.entryText().empty());
}

TEST(Operations, AddPlayerKeepsTheEntryText)
{
    PairingState state = stateWithSeed(3);
    state.setEntryText(u"Twice");
    state.addPlayer();
    state.addPlayer();
    EXPECT_EQ(texts(state.roster()), (Names{u"Twice", u"Twice"}));
    EXPECT_EQ(state.entryText(), u"Twice");
}

TEST(Operations, ObserverHearsEveryChangeInOrder)
{
    PairingState state = stateWithSeed(0);
    RecordingObserver observer{state};
    state.setObserver(&observer);

    addPlayers(state, {u"A", u"B", u"C"});
    state.draw();
    state.clearColumns();
    state.clearRoster();
    state.startOver();
    const std::vector<std::string> expected{
        "enabled",        "appended roster 1", "appended roster 2", "appended roster 3",
        "disabled",       "appended left 2",   "appended right 1",  "enabled",
        "cleared left",   "cleared right",     "cleared roster",    "disabled",
        "cleared roster", "cleared left",      "cleared right",     "entry cleared",
    };
    EXPECT_EQ(observer.events, expected);
}

TEST(Faults, FullRosterStopsAddPlayerAfterEnablingTheDraw)
{
    PairingState state = stateWithSeed(0);
    RecordingObserver observer{state};
    state.setObserver(&observer);
    state.setCapacity(ListId::Roster, 0);
    ASSERT_FALSE(state.drawEnabled());
    EXPECT_THROW(state.addPlayer(), ListFull);
    EXPECT_TRUE(state.drawEnabled());
    EXPECT_TRUE(state.roster().empty());
    EXPECT_EQ(observer.events, std::vector<std::string>{"enabled"});
}

TEST(Faults, DrawInterruptedByAFullColumnKeepsWhatItDealt)
{
    PairingState state = stateWithSeed(0);
    RecordingObserver observer{state};
    state.setObserver(&observer);
    addPlayers(state, {u"A", u"B", u"C", u"D"});
    state.setCapacity(ListId::Right, 1);
    observer.events.clear();

    // Dealing A (left), D (right), B (left), then C finds the right column full.
    try {
        state.draw();
        FAIL() << "the draw should have been interrupted";
    } catch (const ListFull& fault) {
        EXPECT_EQ(faultMessage(fault), "Unable to insert a line");
    }
    EXPECT_EQ(texts(state.leftColumn()), (Names{u"A", u"B"}));
    EXPECT_EQ(texts(state.rightColumn()), (Names{u"D"}));
    EXPECT_EQ(state.dealCounter(), 4) << "the counter goes up before the failed append";
    EXPECT_FALSE(state.drawEnabled());
    EXPECT_EQ(observer.events,
              (std::vector<std::string>{"disabled", "appended left 2", "appended right 1"}));
}

TEST(Faults, FullLeftColumnFromTheFirstDeal)
{
    PairingState state = stateWithSeed(0);
    addPlayers(state, {u"A", u"B"});
    state.setCapacity(ListId::Left, 0);
    EXPECT_THROW(state.draw(), ListFull);
    EXPECT_TRUE(state.leftColumn().empty());
    EXPECT_TRUE(state.rightColumn().empty());
    EXPECT_EQ(state.dealCounter(), 1);
}

} // namespace
} // namespace pairing
