#pragma once
// What the Osmosis, Flower Garden, Auld Lang Syne and Magic Carpet tests share
// beyond the harness: a rule table's row, the deal order split at the Aces,
// the position one card from a win, and the dance that follows it.
#include "harness.h"

#include <vector>

namespace quenby::test {

// One card offered to one pile: the rule in a sentence, the card, the pile's
// index and whether the pile takes it.
struct DropCase {
    const char* rule;
    int rank;
    int suit;
    int pile;
    bool accepted;
};

// The deal order split into its Aces and the other cards, each in order.
struct AcesAndRest {
    std::vector<int> aces;
    std::vector<int> rest;
};
inline AcesAndRest SplitAtAces(const std::vector<int>& faces)
{
    AcesAndRest split;
    for (int face : faces)
        (Card::RankOf(face) == 1 ? split.aces : split.rest).push_back(face);
    return split;
}

// Clubs, diamonds, hearts and spades up from the Ace on the four piles from
// `first`, all but the King of spades: one move from a win.
inline void LayAllButTheLastKing(TableHarness& h, int first)
{
    const int suits[4] = {Clubs, Diamonds, Hearts, Spades};
    for (int f = 0; f < 4; ++f)
        for (int rank = 1; rank <= 13; ++rank)
            if (!(suits[f] == Spades && rank == 13))
                h.Put(Face(rank, suits[f]), h.PileAt(first + f));
}

// After a win: timer 1 runs, and `card` has moved after `ticks` of its ticks.
inline ::testing::AssertionResult Dances(TableHarness& h, const Card& card, int ticks)
{
    if (!h.View().TimerRunning())
        return ::testing::AssertionFailure() << "timer 1 is not running";
    const Rect before = card.Bounds;
    for (int tick = 0; tick < ticks; ++tick)
        if (!h.Tick())
            return ::testing::AssertionFailure() << "timer 1 stopped after " << tick << " ticks";
    if (card.Bounds == before)
        return ::testing::AssertionFailure() << "the card has not moved";
    return ::testing::AssertionSuccess();
}

} // namespace quenby::test
