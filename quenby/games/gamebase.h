#pragma once
// What the eight game classes are made of, apart from the table: the layout
// each one owns (its piles' kinds, numbers and places), the held card of the
// games that drag one card at a time, and the words their rules are made of.
#include <table/pile.h>

#include <memory>
#include <optional>
#include <span>

namespace quenby {

struct TableState;

// ---- Piles and places --------------------------------------------------------

// A pile's place as an offset from the table centre.
struct Place {
    int dx;
    int dy;
};
// One pile of a game: its kind, its place, its number (0 in the games that
// number none) and whether the background outlines its place.
struct PileEntry {
    int kind;
    Place place;
    int number = 0;
    bool outlined = true;
};
// How a pile spreads its cards: each shows a strip of the card beneath.
enum class Fan { None, Down, Right };
// What the player calls a run of `count` piles in creation order ("Column"
// for seven piles reads "Column 1" to "Column 7"; a run of one pile is not
// numbered), and how they fan. `byNumber` numbers them by PileNumber instead.
struct PileRole {
    const char* name;
    int count = 1;
    Fan fan = Fan::None;
    bool byNumber = false;
};
// A game's piles in creation order and, for the games that use one, the
// stock's place: what the deal creates, the relayout places and the
// background outlines; and the piles' names, for the keyboard and the reader.
struct GameLayout {
    std::span<const PileEntry> piles;
    std::optional<Place> stock;
    std::span<const PileRole> roles;
};

// ---- The held card -----------------------------------------------------------

// The games that drag a single card: the card the player holds while the
// button is down, which follows the pointer.
class OneCardGame {
public:
    void Drag(TableState& table, int x, int y);

    std::unique_ptr<Card> Held;
};

// ---- Rule words --------------------------------------------------------------
// Each asks about `card`, which would land, and `on`, the card it would cover.

inline bool SameSuit(const Card& card, const Card& on) { return card.Suit == on.Suit; }
inline bool OtherColour(const Card& card, const Card& on) { return card.IsRed != on.IsRed; }
inline bool OneHigher(const Card& card, const Card& on) { return card.Rank == on.Rank + 1; }
inline bool OneLower(const Card& card, const Card& on) { return card.Rank == on.Rank - 1; }
// One higher, the Ace following the King.
inline bool OneHigherRoundTheCorner(const Card& card, const Card& on)
{
    return card.Rank == (on.Rank == rank::King ? rank::Ace : on.Rank + 1);
}
// One lower, the King following the Ace.
inline bool OneLowerRoundTheCorner(const Card& card, const Card& on)
{
    return card.Rank == (on.Rank == rank::Ace ? rank::King : on.Rank - 1);
}
inline bool UpInSuit(const Card& card, const Card& on) { return SameSuit(card, on) && OneHigher(card, on); }
inline bool DownInAlternateColours(const Card& card, const Card& on)
{
    return OtherColour(card, on) && OneLower(card, on);
}

} // namespace quenby
