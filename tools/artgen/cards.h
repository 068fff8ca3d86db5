#pragma once
// Card faces and backs, drawn in the 71 by 96 pixel frame of a card.
#include "shapes.h"

#include <QColor>
#include <QPainter>

namespace artgen {

inline constexpr int kCardWidth = 71;
inline constexpr int kCardHeight = 96;

// The inks of one deck: each program draws the same designs in its own colours.
struct CardStyle {
    QColor red;       // hearts and diamonds
    QColor black;     // clubs and spades
    QColor paper;     // the face
    QColor outline;   // the one-pixel border
    QColor corner;    // outside the rounded corners
    QColor gold;      // court emblems
    QColor blue;      // court emblem detail
    QColor panel;     // court panel ground
    QColor pattern;   // court panel pattern
};

CardStyle quenbyStyle();
CardStyle tollmereStyle();

// rank 1 Ace ... 13 King.
void drawFace(QPainter& p, const CardStyle& style, int rank, Suit suit);

enum class BackPattern { Lattice, Dots, Checker, Diamonds, Waves, Scales, Stars, Tartan, Rings };

struct BackDesign {
    BackPattern pattern;
    QColor ink;
    QColor ground;
};

void drawBack(QPainter& p, const CardStyle& style, const BackDesign& design);

} // namespace artgen
