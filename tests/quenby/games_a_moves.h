#pragma once
// Shared moves for the Canfield, Grannies Clock and Little Spider tests: the
// deal order a pinned clock gives, arranging piles, and dragging a pile's top
// card by the real mouse so that it lies exactly over another pile, with the
// invariants and the dirty-rectangle repaint checked after every move.
#include "harness.h"

#include <table/pile.h>

#include <QApplication>

#include <algorithm>
#include <initializer_list>
#include <vector>

namespace quenby::test::gamesa {

constexpr int Ace = 1;
constexpr int Jack = 11;
constexpr int Queen = 12;
constexpr int King = 13;

// The program's start-up (which builds the table's picture), then the Play
// menu's choice of `id`.
inline void StartGame(TableHarness& h, GameId id)
{
    h.StartUp();
    h.Start(id);
}

// A resize of the window, delivered.
inline void Resize(TableHarness& h, int width, int height)
{
    h.View().resize(width, height);
    QApplication::processEvents();
}

// The faces in the order a fresh shuffle under the pinned clock deals them.
inline std::vector<int> DealOrder()
{
    Stock stock;
    Random random;
    stock.NewDeck(false, random);
    std::vector<int> faces;
    for (const Card* card : stock.Cards)
        faces.push_back(card->FaceId);
    return faces;
}

// A pile's faces from its bottom card up.
inline std::vector<int> BottomUp(const Pile& pile)
{
    std::vector<int> faces;
    for (const Card* card : pile.Cards)
        faces.insert(faces.begin(), card->FaceId);
    return faces;
}

inline QPoint Corner(const Rect& r) { return {r.left, r.top}; }

inline std::vector<int> Slice(const std::vector<int>& faces, int from, int count)
{
    return {faces.begin() + from, faces.begin() + from + count};
}

inline bool Painted(TableHarness& h, const Card* card)
{
    const auto& paint = h.Table().PaintList;
    return std::find(paint.begin(), paint.end(), card) != paint.end();
}

inline int PaintIndex(TableHarness& h, const Card* card)
{
    const auto& paint = h.Table().PaintList;
    return int(std::distance(paint.begin(), std::find(paint.begin(), paint.end(), card)));
}

// The picture left by the dirty-rectangle paints must equal the table painted
// whole: a rectangle grown too little leaves stale pixels behind.
inline ::testing::AssertionResult RepaintedWhole(TableHarness& h)
{
    const QImage partial = h.Composed();
    const QImage whole = h.ComposedWhole();
    if (partial == whole)
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "the dirty-rectangle paints differ from a whole paint";
}

// Presses on pile `from`'s top card, drags it and releases it where it lies
// exactly over pile `to`'s place.
inline void DragTopOnto(TableHarness& h, int from, int to)
{
    const Card* card = h.PileAt(from).Top();
    ASSERT_NE(card, nullptr);
    const QPoint grab = TableHarness::CentreOf(card->Bounds);
    const Rect target = h.PileAt(to).GetRect();
    h.DragTo(grab, grab + QPoint(target.left - card->Left(), target.top - card->Top()));
    EXPECT_TRUE(h.Invariants());
    EXPECT_TRUE(RepaintedWhole(h));
}

inline void ClickStock(TableHarness& h)
{
    h.Click(TableHarness::CentreOf(h.Game().Stock.GetRect()));
    EXPECT_TRUE(h.Invariants());
    EXPECT_TRUE(RepaintedWhole(h));
}

// Lays faces on a pile, bottom first, face up.
inline void Lay(TableHarness& h, Pile& pile, std::initializer_list<int> faces)
{
    for (int face : faces)
        h.Put(face, pile);
}

// Moves every stock card onto `pile` (face up), emptying the stock.
inline void DumpStockOn(TableHarness& h, Pile& pile)
{
    while (Card* card = h.Game().Stock.Cards.Head())
        h.Put(card->FaceId, pile);
}

// The colour of the composed table at a point.
inline QRgb PixelAt(TableHarness& h, QPoint at) { return h.Composed().pixel(at) & 0xFFFFFF; }

inline QRgb TableColour(TableHarness& h) { return platform::toQColor(h.Table().TableColour).rgb() & 0xFFFFFF; }

} // namespace quenby::test::gamesa
