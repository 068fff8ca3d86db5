#pragma once
// A pile of cards on the table; it owns its cards. The head of its list is the
// top card, the one shown uppermost and taken first.
#include "card.h"
#include "cursorlist.h"
#include <platform/random.h>

namespace quenby {

using platform::Random;

class Pile {
public:
    explicit Pile(int kind) : PileKind(kind) {}

    void AddTop(Card* card);    // on top, moved to the pile's position
    void AddBottom(Card* card); // underneath, not moved
    Card* Top() const { return Cards.Head(); }
    Card* Bottom() const { return Cards.Last(); }
    Card* TakeTop();
    Card* TakeBottom();
    Card* First() { return Cards.First(); }
    Card* Next() { return Cards.Next(); }
    void Remove(Card* card) { Cards.Remove(card); }
    int Count() const { return Cards.Count(); }
    Rect GetRect() const { return Bounds; }

    void SetPosition(int x, int y);
    // The top card rightmost, each card below it 20 pixels further left.
    void FanRight();
    // The face-up cards 20 pixels apart downwards, the top card lowest;
    // face-down cards stay where they were put.
    void FanDown(int cardBackId);

    void HideCards(PaintList& paint);
    void SendToBack(PaintList& paint);
    void BringToFront(PaintList& paint);

    CardList Cards;
    int PileKind;
    QPoint GrabOffset;
    int PileNumber = 0;
    Pile* ReturnPile = nullptr;
    Rect Bounds;
};

// The undealt deck; the head of its list is the next card dealt.
class Stock {
public:
    void Fill();
    void Shuffle(Random& random);
    // "SHUFFLE.WAV" when sound is on, then a fresh shuffled deck.
    void NewDeck(bool soundOn, Random& random);
    Card* TakeTop();
    Card* TakeRank(int rank);
    void AddTop(Card* card) { Cards.AddHead(card); }
    int Count() const { return Cards.Count(); }
    Rect GetRect() const { return Bounds; }
    void SetPosition(int x, int y);
    void ShowAll(PaintList& paint);

    CardList Cards;
    Rect Bounds;
};

} // namespace quenby
