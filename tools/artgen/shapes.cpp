#include "shapes.h"

#include <QFont>
#include <QTransform>
#include <cmath>

namespace artgen {

namespace {

QPainterPath heart() {
    QPainterPath path;
    path.moveTo(0, 0.5);
    path.cubicTo(-0.16, 0.3, -0.5, 0.1, -0.5, -0.2);
    path.cubicTo(-0.5, -0.4, -0.37, -0.5, -0.25, -0.5);
    path.cubicTo(-0.1, -0.5, -0.02, -0.42, 0, -0.3);
    path.cubicTo(0.02, -0.42, 0.1, -0.5, 0.25, -0.5);
    path.cubicTo(0.37, -0.5, 0.5, -0.4, 0.5, -0.2);
    path.cubicTo(0.5, 0.1, 0.16, 0.3, 0, 0.5);
    path.closeSubpath();
    return path;
}

QPainterPath diamond() {
    QPainterPath path;
    path.moveTo(0, -0.5);
    path.quadTo(0.16, -0.16, 0.4, 0);
    path.quadTo(0.16, 0.16, 0, 0.5);
    path.quadTo(-0.16, 0.16, -0.4, 0);
    path.quadTo(-0.16, -0.16, 0, -0.5);
    path.closeSubpath();
    return path;
}

// The flared foot under spades and clubs.
void addStem(QPainterPath& path, qreal top) {
    QPainterPath stem;
    stem.moveTo(0.05, top);
    stem.cubicTo(0.06, 0.36, 0.12, 0.46, 0.22, 0.5);
    stem.lineTo(-0.22, 0.5);
    stem.cubicTo(-0.12, 0.46, -0.06, 0.36, -0.05, top);
    stem.closeSubpath();
    path.addPath(stem);
}

QPainterPath spade() {
    QPainterPath path;
    path.moveTo(0, -0.5);
    path.cubicTo(0.16, -0.28, 0.5, -0.1, 0.5, 0.12);
    path.cubicTo(0.5, 0.3, 0.37, 0.37, 0.26, 0.37);
    path.cubicTo(0.14, 0.37, 0.05, 0.31, 0, 0.22);
    path.cubicTo(-0.05, 0.31, -0.14, 0.37, -0.26, 0.37);
    path.cubicTo(-0.37, 0.37, -0.5, 0.3, -0.5, 0.12);
    path.cubicTo(-0.5, -0.1, -0.16, -0.28, 0, -0.5);
    path.closeSubpath();
    addStem(path, 0.15);
    path.setFillRule(Qt::WindingFill);
    return path;
}

QPainterPath club() {
    QPainterPath path;
    const qreal r = 0.225;
    path.addEllipse(QPointF(0, -0.27), r, r);
    path.addEllipse(QPointF(-0.265, 0.09), r, r);
    path.addEllipse(QPointF(0.265, 0.09), r, r);
    path.addEllipse(QPointF(0, 0.0), 0.13, 0.13);
    addStem(path, 0.05);
    path.setFillRule(Qt::WindingFill);
    return path.simplified();
}

} // namespace

QPainterPath suitPath(Suit suit) {
    switch (suit) {
    case Suit::Clubs: return club();
    case Suit::Diamonds: return diamond();
    case Suit::Hearts: return heart();
    case Suit::Spades: return spade();
    }
    return {};
}

void drawPip(QPainter& p, Suit suit, qreal cx, qreal cy, qreal size, const QColor& ink, bool flipped) {
    QTransform t;
    t.translate(cx, cy);
    if (flipped)
        t.rotate(180);
    t.scale(size, size);
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(ink);
    p.drawPath(t.map(suitPath(suit)));
    p.restore();
}

QPainterPath fittedText(const QString& text, const QRectF& box, bool serif) {
    QFont font(serif ? QStringLiteral("DejaVu Serif") : QStringLiteral("DejaVu Sans"));
    font.setPixelSize(100);
    font.setBold(true);
    font.setHintingPreference(QFont::PreferNoHinting);
    QPainterPath path;
    path.addText(0, 0, font, text);
    const QRectF ink = path.boundingRect();
    if (ink.isEmpty())
        return path;
    const qreal sy = box.height() / ink.height();
    const qreal sx = std::min(sy, box.width() / ink.width());
    QTransform t;
    t.translate(box.center().x(), box.center().y());
    t.scale(sx, sy);
    t.translate(-ink.center().x(), -ink.center().y());
    return t.map(path);
}

QPainterPath starPath(qreal cx, qreal cy, qreal r, int points, qreal inner) {
    QPainterPath path;
    for (int i = 0; i < 2 * points; ++i) {
        const qreal a = -M_PI / 2 + i * M_PI / points;
        const qreal rr = (i % 2) ? r * inner : r;
        const QPointF pt(cx + rr * std::cos(a), cy + rr * std::sin(a));
        if (i == 0)
            path.moveTo(pt);
        else
            path.lineTo(pt);
    }
    path.closeSubpath();
    return path;
}

QPainterPath polygon(std::initializer_list<QPointF> corners)
{
    QPainterPath path;
    path.addPolygon(QPolygonF(QList<QPointF>(corners)));
    path.closeSubpath();
    return path;
}

} // namespace artgen
