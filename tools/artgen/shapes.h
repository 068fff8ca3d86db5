#pragma once
// Vector shapes shared by the cards, the pictures and the icons.
#include <QColor>
#include <QPainter>
#include <QPainterPath>
#include <QRectF>
#include <QString>

#include <initializer_list>

namespace artgen {

enum class Suit { Clubs, Diamonds, Hearts, Spades };

inline bool isRed(Suit s) { return s == Suit::Diamonds || s == Suit::Hearts; }

// The suit symbol in a unit box centred on the origin (x and y in -0.5..0.5).
QPainterPath suitPath(Suit suit);

// Fills the suit symbol `size` pixels high centred on (cx, cy), upside down
// when `flipped` (the lower half of a card).
void drawPip(QPainter& p, Suit suit, qreal cx, qreal cy, qreal size, const QColor& ink,
             bool flipped = false);

// The outline of `text` in DejaVu Sans (or Serif) Bold, scaled so that its
// ink fills `box` in height, narrowed when it would be wider, and centred.
QPainterPath fittedText(const QString& text, const QRectF& box, bool serif = false);

// The closed polygon through `corners`, in order.
QPainterPath polygon(std::initializer_list<QPointF> corners);

// Five-pointed star of outer radius r centred on (cx, cy).
QPainterPath starPath(qreal cx, qreal cy, qreal r, int points = 5, qreal inner = 0.45);

} // namespace artgen
