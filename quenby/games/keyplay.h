#pragma once
// Play from the keyboard. The focus rests on one of the table's places (the
// stock, then the piles in creation order) and, inside a fanned pile, on one
// of its cards; each key becomes the presses, moves and releases that a mouse
// would make at points taken from the places' rectangles, so the games see
// nothing but the mouse.
#include "gamebase.h"

#include <table/tablestate.h>

#include <QPoint>
#include <QString>
#include <optional>
#include <vector>

namespace quenby {

// One place the focus can rest on.
struct TablePlace {
    QString name;              // "Column 3", "Stock"
    const Pile* pile = nullptr; // null for the stock
    Fan fan = Fan::None;
    Rect rect;  // all it covers now, a fanned pile's whole fan
    Rect first; // where its first card lies: the arrows go by these
};
// The stock (in the games that have one), then every pile in creation order;
// empty while no game is dealt.
std::vector<TablePlace> TablePlaces(const TableState& table);
// What shows of each card of a pile fanned by `fan`, bottom card first: the
// top card whole, every other the strip the card above leaves (empty where it
// is wholly covered).
std::vector<Rect> VisibleParts(const Pile& pile, Fan fan);

// A mouse event that a key stands for.
struct MouseStep {
    enum class Is { Press, Move, Release };
    Is kind;
    QPoint at;
};

class KeyPlay {
public:
    // Where the focus is: a place, and in a fanned pile a card counted from
    // its top (0 the top card).
    struct Focus {
        int place = 0;
        int fromTop = 0;
    };

    // A new deal: the focus on the first place, no ring.
    void Reset();
    // The mouse events for `key` at the focus, which the key may move first;
    // nullopt for a key that plays no part.
    std::optional<std::vector<MouseStep>> Key(const TableState& table, int key, bool shift);
    // The focus as the table stands now: on a place that exists, on a card
    // that shows.
    Focus Current(const TableState& table) const;
    // The card index, bottom first, that a fanned pile's focus rests on; -1
    // for an unfanned pile or an empty one.
    int FocusedCard(const TableState& table) const;
    // What the ring goes round, ring included; empty while it is hidden.
    Rect RingBounds(const TableState& table) const;

    // Shown from the first key of a game until the next mouse press.
    bool RingShown = false;

private:
    std::optional<std::vector<MouseStep>> Move(const TableState& table, int place);

    Focus focus_;
};

// How far the ring lies outside what it goes round, and how thick it is.
constexpr int RingGap = 2;
constexpr int RingWidth = 3;

} // namespace quenby
