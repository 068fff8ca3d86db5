#pragma once
// Moves for the single-card games' tests: a card dragged by the real mouse so
// that it lies exactly over a place, with the table's invariants and the
// dirty-rectangle repaint checked after every move.
#include "harness.h"

#include <table/pile.h>

#include <vector>

namespace quenby::test {

// The faces in the order a fresh shuffle under the harness's pinned clock
// deals them: the oracle for what each game puts where.
inline std::vector<int> ShuffledFaces()
{
    Stock stock;
    Random random;
    stock.NewDeck(false, random);
    std::vector<int> faces;
    for (const Card* card : stock.Cards)
        faces.push_back(card->FaceId);
    return faces;
}

inline std::vector<int> FacesOf(const CardList& cards)
{
    std::vector<int> faces;
    for (const Card* card : cards)
        faces.push_back(card->FaceId);
    return faces;
}

// The faces of a pile from its bottom card up.
inline std::vector<int> BottomUp(const Pile& pile)
{
    std::vector<int> faces = FacesOf(pile.Cards);
    return {faces.rbegin(), faces.rend()};
}

// Where a pile's first card lies, however far the pile is fanned.
inline Rect PlaceOf(const Pile& pile) { return Rect::At(pile.Bounds.left, pile.Bounds.top, CardWidth, CardHeight); }

// The picture left by the dirty-rectangle paints must be the table painted
// whole: a rectangle grown too little leaves stale pixels behind.
inline ::testing::AssertionResult RepaintedWhole(TableHarness& h)
{
    const QImage partial = h.Composed();
    const QImage whole = h.ComposedWhole();
    if (partial == whole)
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "the dirty-rectangle paints differ from a whole paint";
}

// Presses at `grab` on `card`, drags and releases where the card lies exactly
// over `target`.
inline void DragCardOnto(TableHarness& h, QPoint grab, const Card& card, const Rect& target)
{
    h.DragTo(grab, grab + QPoint(target.left - card.Left(), target.top - card.Top()));
    EXPECT_TRUE(h.Invariants());
    EXPECT_TRUE(RepaintedWhole(h));
}

// The top card of pile `from` dragged over the first-card place of pile `to`.
inline void DragTopOnto(TableHarness& h, int from, int to)
{
    const Card* card = h.PileAt(from).Top();
    ASSERT_NE(card, nullptr);
    DragCardOnto(h, TableHarness::CentreOf(card->Bounds), *card, PlaceOf(h.PileAt(to)));
}

inline void ClickStock(TableHarness& h)
{
    h.Click(TableHarness::CentreOf(h.Game().Stock.GetRect()));
    EXPECT_TRUE(h.Invariants());
    EXPECT_TRUE(RepaintedWhole(h));
}

// Arranges faces on a pile, bottom first, face up.
inline void Lay(TableHarness& h, Pile& pile, std::initializer_list<int> faces)
{
    for (int face : faces)
        h.Put(face, pile);
}

// Moves every card of a pile into the stock.
inline void Clear(TableHarness& h, Pile& pile)
{
    while (pile.Top())
        h.PutInStock(pile.Top()->FaceId);
}

} // namespace quenby::test
