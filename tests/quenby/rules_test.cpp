// Each game's acceptance test as a function of values: the card (or run) that
// would land, where it comes from, and the target pile, without a window.
// Rows are rule sentences; a refused row names what it refuses.
#include "harness.h"

#include <games/frame.h>

#include <initializer_list>
#include <memory>
#include <vector>

namespace quenby::test {
namespace {

using rank::Ace;
using rank::King;
using rank::Queen;

// A pile of `kind` and `number` holding `faces`, bottom first.
std::unique_ptr<Pile> PileOf(int kind, std::initializer_list<int> faces, int number = 0)
{
    auto pile = std::make_unique<Pile>(kind);
    pile->PileNumber = number;
    for (int face : faces)
        pile->AddTop(new Card(face));
    return pile;
}

// A card that would land, lifted from `from`.
std::unique_ptr<Card> From(const Pile& from, int face)
{
    auto card = std::make_unique<Card>(face);
    card->ReturnPile = const_cast<Pile*>(&from);
    return card;
}

struct Row {
    const char* rule;
    int kind;                    // the target's PileKind
    std::initializer_list<int> target; // bottom first
    int card;
    bool accepted;
};

// The games whose rule needs only the target and the card.
template <class Game>
void ExpectRows(std::initializer_list<Row> rows, int fromKind = 500)
{
    const auto from = PileOf(fromKind, {});
    for (const Row& row : rows)
        EXPECT_EQ(Game::Accepts(*PileOf(row.kind, row.target), *From(*from, row.card)), row.accepted) << row.rule;
}

TEST(Rules, AuldLangSyne)
{
    ExpectRows<AuldLangSyneGame>({
        {"Two of another suit on an Ace", 100, {Face(Ace, Clubs)}, Face(2, Hearts), true},
        {"Three on an Ace refused", 100, {Face(Ace, Clubs)}, Face(3, Clubs), false},
        {"nothing on a King", 100, {Face(King, Clubs)}, Face(Ace, Clubs), false},
        {"never onto a tableau pile", 300, {Face(5, Clubs)}, Face(6, Clubs), false},
    });
}

TEST(Rules, FlowerGarden)
{
    ExpectRows<FlowerGardenGame>({
        {"Ace starts a foundation", 100, {}, Face(Ace, Spades), true},
        {"Two refused on an empty foundation", 100, {}, Face(2, Spades), false},
        {"Two on the Ace of its suit", 100, {Face(Ace, Spades)}, Face(2, Spades), true},
        {"any card on an empty bed", 500, {}, Face(9, Hearts), true},
        {"Eight of any suit on a Nine", 500, {Face(9, Hearts)}, Face(8, Hearts), true},
        {"King on an Ace in the beds", 500, {Face(Ace, Clubs)}, Face(King, Hearts), true},
        {"Ten on a Nine refused", 500, {Face(9, Hearts)}, Face(10, Clubs), false},
        {"nothing onto the bouquet", 200, {Face(9, Hearts)}, Face(8, Clubs), false},
    });
}

TEST(Rules, GranniesClock)
{
    const auto from = PileOf(500, {});
    EXPECT_TRUE(GranniesClockGame::Accepts(*PileOf(500, {}, 7), *From(*from, Face(7, Clubs)))) << "to its hour";
    EXPECT_FALSE(GranniesClockGame::Accepts(*PileOf(500, {}, 8), *From(*from, Face(7, Clubs)))) << "a later hour";
    EXPECT_FALSE(GranniesClockGame::Accepts(*PileOf(500, {}, 6), *From(*from, Face(7, Clubs)))) << "an earlier hour";
}

TEST(Rules, MagicCarpet)
{
    ExpectRows<MagicCarpetGame>({
        {"Two on the Ace of its suit", 100, {Face(Ace, Hearts)}, Face(2, Hearts), true},
        {"Two of another suit refused", 100, {Face(Ace, Hearts)}, Face(2, Clubs), false},
        {"a carpet card refused on a space", 500, {}, Face(4, Clubs), false},
    });
    ExpectRows<MagicCarpetGame>({{"a waste card fills a space", 500, {}, Face(4, Clubs), true}}, 200);
}

TEST(Rules, Klondike)
{
    const auto run = [](std::initializer_list<int> faces) { return PileOf(300, faces); };
    const auto empty = PileOf(500, {});
    EXPECT_TRUE(KlondikeGame::Accepts(*empty, *run({Face(King, Clubs), Face(Queen, Hearts)}))) << "King run to a space";
    EXPECT_FALSE(KlondikeGame::Accepts(*empty, *run({Face(Queen, Hearts)}))) << "Queen to a space";
    EXPECT_TRUE(KlondikeGame::Accepts(*PileOf(500, {Face(8, Spades)}), *run({Face(7, Hearts), Face(6, Clubs)})))
        << "red Seven run on a black Eight";
    EXPECT_FALSE(KlondikeGame::Accepts(*PileOf(500, {Face(8, Spades)}), *run({Face(7, Clubs)}))) << "black on black";
    EXPECT_TRUE(KlondikeGame::Accepts(*PileOf(100, {}), *run({Face(Ace, Clubs)}))) << "Ace starts a foundation";
    EXPECT_FALSE(KlondikeGame::Accepts(*PileOf(100, {Face(Ace, Clubs)}), *run({Face(3, Clubs), Face(2, Clubs)})))
        << "a run to a foundation";
}

TEST(Rules, Canfield)
{
    CanfieldGame game;
    game.BaseRank = 5;
    const auto reserve = PileOf(400, {Face(3, Clubs)});
    const auto waste = PileOf(200, {});
    const auto tableau = PileOf(500, {Face(4, Clubs)});
    game.Reserve = reserve.get();
    EXPECT_TRUE(game.Accepts(*PileOf(100, {Face(King, Clubs)}), *From(*waste, Face(Ace, Clubs)))) << "Ace after King";
    EXPECT_FALSE(game.Accepts(*PileOf(100, {}), *From(*waste, Face(Ace, Clubs)))) << "Ace on an empty foundation";
    EXPECT_TRUE(game.Accepts(*PileOf(500, {Face(Ace, Hearts)}), *From(*waste, Face(King, Clubs)))) << "King on Ace";
    EXPECT_FALSE(game.Accepts(*PileOf(500, {}), *From(*waste, Face(9, Clubs)))) << "space while the reserve lasts";
    EXPECT_FALSE(game.Accepts(*tableau, *From(*tableau, Face(3, Hearts)))) << "back onto its own pile";
    game.Reserve = waste.get();
    EXPECT_TRUE(game.Accepts(*PileOf(500, {}), *From(*waste, Face(9, Clubs)))) << "space once the reserve is empty";
    EXPECT_FALSE(game.Accepts(*PileOf(500, {}), *From(*tableau, Face(9, Clubs)))) << "space from the tableau";
}

TEST(Rules, LittleSpider)
{
    LittleSpiderGame game;
    const auto hearts = PileOf(100, {Face(Ace, Hearts)}, 1);
    const auto second = PileOf(100, {}, 2);
    game.FoundationList.AddTail(hearts.get());
    game.FoundationList.AddTail(second.get());
    const auto underHearts = PileOf(500, {}, 9);
    const auto below = PileOf(500, {}, 10); // under foundation 2
    const auto upper = PileOf(500, {}, 5);
    EXPECT_FALSE(game.Accepts(*hearts, *From(*below, Face(2, Hearts)), true)) << "lower row, not the one above";
    EXPECT_TRUE(game.Accepts(*hearts, *From(*underHearts, Face(2, Hearts)), true)) << "lower row to the one above";
    EXPECT_TRUE(game.Accepts(*hearts, *From(*upper, Face(2, Hearts)), true)) << "upper row to any foundation";
    EXPECT_TRUE(game.Accepts(*hearts, *From(*below, Face(2, Hearts)), false)) << "anywhere once the stock is gone";
    EXPECT_TRUE(game.Accepts(*second, *From(*upper, Face(King, Spades)), true)) << "black King beside a red Ace";
    EXPECT_FALSE(game.Accepts(*second, *From(*upper, Face(King, Hearts)), true)) << "red King beside a red Ace";
    EXPECT_FALSE(game.Accepts(*second, *From(*upper, Face(Ace, Spades)), true)) << "black Ace beside a red Ace";
    EXPECT_TRUE(game.Accepts(*PileOf(500, {Face(Ace, Clubs)}, 6), *From(*below, Face(King, Hearts)), false))
        << "King on an Ace in the upper row";
    EXPECT_FALSE(game.Accepts(*PileOf(500, {Face(Ace, Clubs)}, 6), *From(*below, Face(2, Hearts)), false))
        << "Two on an Ace in the upper row";
    EXPECT_FALSE(game.Accepts(*PileOf(500, {Face(5, Clubs)}, 10), *From(*upper, Face(4, Hearts)), false))
        << "the lower row is never built on";
}

TEST(Rules, Osmosis)
{
    OsmosisGame game;
    const auto first = PileOf(100, {Face(7, Hearts), Face(3, Hearts)}, 1);
    const auto second = PileOf(100, {Face(7, Clubs)}, 2);
    game.FoundationList.AddTail(first.get());
    game.FoundationList.AddTail(second.get());
    const auto reserve = PileOf(500, {});
    EXPECT_TRUE(game.Accepts(*first, *From(*reserve, Face(Queen, Hearts)))) << "row 1 takes its suit";
    EXPECT_FALSE(game.Accepts(*first, *From(*reserve, Face(Queen, Clubs)))) << "row 1 refuses another suit";
    EXPECT_TRUE(game.Accepts(*second, *From(*reserve, Face(3, Clubs)))) << "a rank that lies in the row above";
    EXPECT_FALSE(game.Accepts(*second, *From(*reserve, Face(4, Clubs)))) << "a rank not yet in the row above";
    const auto third = PileOf(100, {}, 3);
    game.FoundationList.AddTail(third.get());
    EXPECT_TRUE(game.Accepts(*third, *From(*reserve, Face(7, Spades)))) << "a space starts with the row above's rank";
    EXPECT_FALSE(game.Accepts(*third, *From(*reserve, Face(8, Spades)))) << "another rank refused on a space";
}

} // namespace
} // namespace quenby::test
