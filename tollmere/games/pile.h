#pragma once
// A pile: references to cards from the bottom card to the top one, laid out
// by its fan rule from its position. It never owns its cards.
#include "card.h"
#include "codes.h"

#include <QPoint>

#include <vector>

namespace tollmere {

// A pile's home place in its game's own coordinates, from (0, 0): the layout
// adds the centring offset, and the background frames it as an outline.
struct Place {
    int X;
    int Y;
};

class Pile {
public:
    Pile(int kind, int fanRule, int homeX, int homeY);

    // Appends `card` as the new top, placed by the fan rule, and grows the
    // rectangle over it.
    void AddTop(Card& card);
    // Puts `card` under all others (used on stacked piles).
    void AddBottom(Card& card);
    // A new position; every card is placed again from the bottom.
    void SetPosition(int x, int y);
    // The card place at the position, united with the top card's rectangle.
    void RecomputeRect();
    bool Contains(int x, int y) const { return Bounds.Contains(x, y); }
    // Where the n-th card from the bottom (counting from 1) lies: n = Count()
    // + 1 is where a card laid on the pile would go.
    QPoint Slot(int n) const;
    // The card place at the position, whatever the pile holds.
    Rect CardPlace() const { return Rect::At(X, Y, CardWidth, CardHeight); }
    bool IsFanned() const { return FanRule == fan::Down || FanRule == fan::Right; }
    // What shows of card `index` (bottom first): in a fan its strip, unless
    // it is the top card, which shows whole.
    Rect Exposed(int index) const;

    void Remove(Card& card);
    void RemoveAll();
    int Count() const { return int(Cards.size()); }
    bool IsEmpty() const { return Cards.empty(); }
    Card* Top() const { return Cards.empty() ? nullptr : Cards.back(); }
    void TurnAllUp();
    void TurnAllDown();
    // Every card onto `target`'s top, bottom card first; the cards stay
    // InPile.
    void MoveAllOnto(Pile& target);
    // Every card under `target`'s bottom, bottom card first: this pile's bottom
    // card ends as the target's top card, as a waste turned over.
    void MoveAllUnder(Pile& target);

    int Kind;
    int FanRule;
    int HomeX;
    int HomeY;
    int X = 0;
    int Y = 0;
    Rect Bounds;
    Pile* Source = nullptr; // a drag pile's origin
    std::vector<Card*> Cards;

private:
    void Place(Card& card, int n) const;
    void PlaceAll();
};

} // namespace tollmere
