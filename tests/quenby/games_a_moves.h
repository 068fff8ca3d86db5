#pragma once
// What the Canfield, Grannies Clock and Little Spider tests share beyond the
// harness: rank names, slices of the deal order, the paint order and the
// colours of the composed table.
#include "harness.h"

#include <table/pile.h>

#include <algorithm>
#include <vector>

namespace quenby::test::gamesa {

using rank::Ace;
using rank::Jack;
using rank::King;
using rank::Queen;

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

// The colour of the composed table at a point.
inline QRgb PixelAt(TableHarness& h, QPoint at) { return h.Composed().pixel(at) & 0xFFFFFF; }

inline QRgb TableColour(TableHarness& h) { return platform::toQColor(h.Table().TableColour).rgb() & 0xFFFFFF; }

} // namespace quenby::test::gamesa
