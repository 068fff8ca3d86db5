#pragma once
// One card of tollmere: its identity, its face picture and where it lies.
#include "faces.h"

#include <platform/rect.h>

#include <QImage>

namespace tollmere {

using platform::Rect;

struct Card {
    // A fresh card lies in no pile, face down, with no place on the table.
    Card(int faceId, int rankCode, int suitCode);
    // The same with its face already loaded (LoadImage(faceId)).
    Card(int faceId, QImage face, int rankCode, int suitCode);

    // Places the card with its top-left corner at (x, y).
    void MoveTo(int x, int y);
    int Width() const { return Face.isNull() ? 71 : Face.width(); }
    int Height() const { return Face.isNull() ? 96 : Face.height(); }

    Rect Bounds;  // empty while the card lies in no pile: never painted, never lifted
    int FaceId;   // bitmap resource of the face
    QImage Face;  // Format_RGB32; null when the bitmap could not be read
    int RankCode;
    int SuitCode;
    int FaceUp = 0;
    bool InPile = false;    // lies in a pile, the drag pile too; dealing takes only cards in none
    int ShuffleKey = 0;
};

// A bitmap of tollmere as a Format_RGB32 image, decoded once per run.
QImage LoadImage(int bitmapId);
// The same bitmap for a surface of device pixel ratio `ratio`, tagged with it
// (the twice-size drawing at 2, scaled smoothly from it at other ratios);
// kept for the run, so the reference stays good.
const QImage& LoadImage(int bitmapId, qreal ratio);

} // namespace tollmere
