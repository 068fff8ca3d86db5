#include "cards.h"

#include "palette.h"

#include <QPainterPath>
#include <QTransform>
#include <array>
#include <cmath>

namespace artgen {

namespace {

constexpr qreal kMidX = kCardWidth / 2.0;
constexpr qreal kMidY = kCardHeight / 2.0;
constexpr qreal kRadius = 4.5;

const QRectF kCardRect(0.5, 0.5, kCardWidth - 1.0, kCardHeight - 1.0);

QString rankText(int rank) {
    switch (rank) {
    case 1: return QStringLiteral("A");
    case 11: return QStringLiteral("J");
    case 12: return QStringLiteral("Q");
    case 13: return QStringLiteral("K");
    default: return QString::number(rank);
    }
}

void drawBlank(QPainter& p, const CardStyle& s) {
    p.fillRect(QRectF(0, 0, kCardWidth, kCardHeight), s.corner);
    p.setPen(QPen(s.outline, 1.0));
    p.setBrush(s.paper);
    p.drawRoundedRect(kCardRect, kRadius, kRadius);
}

// Rank over suit in the top-left corner; the caller rotates for the other one.
// Both lie in the top 20 rows and the left 15 columns, the parts of a card
// that still show when another covers it in a fan: by rows down a column
// (20 pixels in one program, 30 in the other) or by columns to the right
// (15 pixels).
void drawIndex(QPainter& p, const CardStyle& s, int rank, Suit suit) {
    const QColor ink = isRed(suit) ? s.red : s.black;
    p.setPen(Qt::NoPen);
    p.setBrush(ink);
    const qreal width = rank == 10 ? 11.0 : 8.0;
    p.drawPath(fittedText(rankText(rank), QRectF(8.5 - width / 2, 1.5, width, 7.5)));
    drawPip(p, suit, 8.5, 14.75, 9, ink);
}

void inBothHalves(QPainter& p, const std::function<void()>& draw) {
    draw();
    p.save();
    p.translate(kMidX, kMidY);
    p.rotate(180);
    p.translate(-kMidX, -kMidY);
    draw();
    p.restore();
}

// Pip positions of ranks 2 to 10 as (column, row): column 0 left, 1 middle,
// 2 right; row 0 top to 6 bottom (halves in sixths of the pip field).
struct Spot {
    int column;
    int row;
};

std::vector<Spot> spots(int rank) {
    switch (rank) {
    case 2: return {{1, 0}, {1, 6}};
    case 3: return {{1, 0}, {1, 3}, {1, 6}};
    case 4: return {{0, 0}, {2, 0}, {0, 6}, {2, 6}};
    case 5: return {{0, 0}, {2, 0}, {1, 3}, {0, 6}, {2, 6}};
    case 6: return {{0, 0}, {2, 0}, {0, 3}, {2, 3}, {0, 6}, {2, 6}};
    case 7: return {{0, 0}, {2, 0}, {1, -1}, {0, 3}, {2, 3}, {0, 6}, {2, 6}};
    case 8: return {{0, 0}, {2, 0}, {1, -1}, {0, 3}, {2, 3}, {1, -2}, {0, 6}, {2, 6}};
    case 9: return {{0, 0}, {2, 0}, {0, 2}, {2, 2}, {1, 3}, {0, 4}, {2, 4}, {0, 6}, {2, 6}};
    case 10:
        return {{0, 0}, {2, 0}, {1, -3}, {0, 2}, {2, 2}, {0, 4}, {2, 4}, {1, -4}, {0, 6}, {2, 6}};
    default: return {};
    }
}

void drawPips(QPainter& p, const CardStyle& s, int rank, Suit suit) {
    const QColor ink = isRed(suit) ? s.red : s.black;
    constexpr std::array<qreal, 3> columns{22.5, kMidX, 48.5};
    constexpr qreal top = 17.5, bottom = 78.5;
    for (const Spot& spot : spots(rank)) {
        qreal y;
        // Negative rows are the middle pips of 7, 8 and 10, between the rows.
        switch (spot.row) {
        case -1: y = top + (bottom - top) * 0.25; break;
        case -2: y = top + (bottom - top) * 0.75; break;
        case -3: y = top + (bottom - top) / 6.0; break;
        case -4: y = top + (bottom - top) * 5.0 / 6.0; break;
        default: y = top + (bottom - top) * spot.row / 6.0; break;
        }
        drawPip(p, suit, columns[static_cast<std::size_t>(spot.column)], y, 13, ink, y > kMidY + 0.1);
    }
}

void drawAce(QPainter& p, const CardStyle& s, Suit suit) {
    const QColor ink = isRed(suit) ? s.red : s.black;
    if (suit == Suit::Spades) {
        // The ace of spades is the ornate one: a large pip in a ring of gold.
        p.setPen(QPen(s.gold, 2.0));
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(QPointF(kMidX, kMidY), 21, 21);
        p.setPen(QPen(ink, 1.0));
        p.drawEllipse(QPointF(kMidX, kMidY), 23, 23);
        drawPip(p, suit, kMidX, kMidY, 30, ink);
        return;
    }
    drawPip(p, suit, kMidX, kMidY, 34, ink);
}

// Emblems of the courts, in a box 28 by 16 whose top-left corner is (0, 0).
QPainterPath crown() {
    return polygon({{1, 16}, {1, 4}, {7.5, 10}, {14, 1}, {20.5, 10}, {27, 4}, {27, 16}});
}

// A coronet of three rounded arches on a band.
QPainterPath coronet() {
    QPainterPath path;
    path.addRect(QRectF(3, 11, 22, 5));
    path.addEllipse(QRectF(3, 4, 8, 10));
    path.addEllipse(QRectF(10, 1, 8, 12));
    path.addEllipse(QRectF(17, 4, 8, 10));
    path.setFillRule(Qt::WindingFill);
    return path.simplified();
}

// Two halberds crossed: long shafts with a spear point and an axe blade.
QPainterPath halberds() {
    QPainterPath path;
    for (int side : {-1, 1}) {
        QTransform t;
        t.translate(14, 9);
        t.rotate(side * 58.0);
        QPainterPath h;
        h.addRect(QRectF(-0.8, -12, 1.6, 25));
        h.addPath(polygon({{0, -17}, {2, -12}, {-2, -12}})); // the point
        QPainterPath blade;
        blade.moveTo(side * 0.5, -12);
        blade.cubicTo(side * 4, -13.5, side * 6.5, -10, side * 6, -6);
        blade.lineTo(side * 0.5, -7.5);
        blade.closeSubpath();
        h.addPath(blade);
        path.addPath(t.map(h));
    }
    path.setFillRule(Qt::WindingFill);
    return path.simplified();
}

void drawCourtHalf(QPainter& p, const CardStyle& s, int rank, Suit suit) {
    const QColor ink = isRed(suit) ? s.red : s.black;
    p.save();
    p.translate(21.5, 14);
    QPainterPath emblem = rank == 13 ? crown() : rank == 12 ? coronet() : halberds();
    p.setPen(QPen(ink, 1.0));
    p.setBrush(s.gold);
    p.drawPath(emblem);
    p.setPen(Qt::NoPen);
    p.setBrush(s.blue);
    if (rank == 13) {
        for (qreal x : {7.5, 14.0, 20.5})
            p.drawEllipse(QPointF(x, 13), 1.6, 1.6);
    } else if (rank == 12) {
        for (QPointF pearl : {QPointF(7, 3.2), QPointF(14, 0.6), QPointF(21, 3.2)})
            p.drawEllipse(pearl, 1.7, 1.7);
        p.drawRect(QRectF(5, 12.5, 18, 2));
    } else {
        p.drawEllipse(QPointF(14, 9), 2.2, 2.2);
    }
    p.restore();
    p.setPen(Qt::NoPen);
    p.setBrush(ink);
    drawPip(p, suit, 27.5, 40, 10, ink);
    p.drawPath(fittedText(rankText(rank), QRectF(38, 35, 12, 10), true));
}

void drawCourt(QPainter& p, const CardStyle& s, int rank, Suit suit) {
    const QColor ink = isRed(suit) ? s.red : s.black;
    const QRectF panel(15.5, 10.5, 40, 75);
    p.setPen(Qt::NoPen);
    p.setBrush(s.panel);
    p.drawRect(panel);

    // Each court has its own ground: lattice for Kings, dots for Queens,
    // stripes for Jacks.
    p.save();
    p.setClipRect(panel.adjusted(0.5, 0.5, -0.5, -0.5));
    p.setPen(QPen(s.pattern, 1.0));
    if (rank == 13) {
        for (int k = -80; k < 80; k += 6) {
            p.drawLine(QPointF(panel.left() + k, panel.top()), QPointF(panel.left() + k + 80, panel.top() + 80));
            p.drawLine(QPointF(panel.left() + k, panel.bottom()), QPointF(panel.left() + k + 80, panel.bottom() - 80));
        }
    } else if (rank == 12) {
        p.setPen(Qt::NoPen);
        p.setBrush(s.pattern);
        for (int y = 0; y < 80; y += 5)
            for (int x = (y / 5) % 2 ? 3 : 0; x < 44; x += 6)
                p.drawEllipse(QPointF(panel.left() + x + 1.5, panel.top() + y + 1.5), 1.1, 1.1);
    } else {
        for (int y = 2; y < 78; y += 4)
            p.drawLine(QPointF(panel.left(), panel.top() + y), QPointF(panel.right(), panel.top() + y));
    }
    p.restore();

    inBothHalves(p, [&] { drawCourtHalf(p, s, rank, suit); });

    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(ink, 1.0));
    p.drawRect(panel);
    p.drawLine(QPointF(panel.left(), kMidY), QPointF(panel.right(), kMidY));
    p.setPen(QPen(s.gold, 1.0));
    p.drawRect(panel.adjusted(2, 2, -2, -2));
}

void drawPattern(QPainter& p, const BackDesign& d, const QRectF& area) {
    p.fillRect(area, d.ground);
    p.setPen(QPen(d.ink, 1.0));
    p.setBrush(Qt::NoBrush);
    const QPointF c = area.center();
    switch (d.pattern) {
    case BackPattern::Lattice:
        p.setPen(QPen(d.ink, 1.2));
        for (qreal k = -120; k < 120; k += 7) {
            p.drawLine(QPointF(c.x() + k - 60, c.y() - 60), QPointF(c.x() + k + 60, c.y() + 60));
            p.drawLine(QPointF(c.x() + k + 60, c.y() - 60), QPointF(c.x() + k - 60, c.y() + 60));
        }
        break;
    case BackPattern::Dots:
        p.setPen(Qt::NoPen);
        p.setBrush(d.ink);
        for (int j = -10; j <= 10; ++j)
            for (int i = -8; i <= 8; ++i)
                p.drawEllipse(QPointF(c.x() + i * 6 + (j % 2 ? 3 : 0), c.y() + j * 6), 1.8, 1.8);
        break;
    case BackPattern::Checker:
        p.setPen(Qt::NoPen);
        p.setBrush(d.ink);
        for (int j = -10; j <= 10; ++j)
            for (int i = -8; i <= 8; ++i)
                if ((i + j) % 2 == 0)
                    p.drawRect(QRectF(c.x() - 2.5 + i * 5, c.y() - 2.5 + j * 5, 5, 5));
        break;
    case BackPattern::Diamonds:
        p.setPen(QPen(d.ink, 2.0));
        for (int r = 3; r < 80; r += 6) {
            const QPainterPath path = polygon({
                {c.x(), c.y() - r * 1.35}, {c.x() + r, c.y()}, {c.x(), c.y() + r * 1.35}, {c.x() - r, c.y()}});
            p.drawPath(path);
        }
        break;
    case BackPattern::Waves:
        p.setPen(QPen(d.ink, 1.6));
        for (qreal y = area.top() - 4; y < area.bottom() + 4; y += 5) {
            QPainterPath path;
            path.moveTo(area.left() - 2, y);
            for (qreal x = area.left() - 2; x < area.right() + 2; x += 0.5)
                path.lineTo(x, y + 1.8 * std::sin((x - area.left()) * M_PI / 6));
            p.drawPath(path);
        }
        break;
    case BackPattern::Scales:
        p.setPen(QPen(d.ink, 1.2));
        for (int j = 0; j < 30; ++j)
            for (int i = -1; i < 12; ++i) {
                const qreal x = area.left() + i * 7 + (j % 2 ? 3.5 : 0);
                const qreal y = area.top() + j * 3.5 - 4;
                p.drawArc(QRectF(x - 3.5, y - 3.5, 7, 7), 180 * 16, 180 * 16);
            }
        break;
    case BackPattern::Stars:
        p.setPen(Qt::NoPen);
        p.setBrush(d.ink);
        for (int j = -6; j <= 6; ++j)
            for (int i = -4; i <= 4; ++i)
                p.drawPath(starPath(c.x() + i * 10 + (j % 2 ? 5 : 0), c.y() + j * 9, 3.3, 5, 0.42));
        break;
    case BackPattern::Tartan: {
        p.setPen(Qt::NoPen);
        p.setBrush(d.ink);
        for (qreal x = area.left() + 2; x < area.right(); x += 12)
            p.drawRect(QRectF(x, area.top(), 4, area.height()));
        for (qreal y = area.top() + 2; y < area.bottom(); y += 12)
            p.drawRect(QRectF(area.left(), y, area.width(), 4));
        p.setPen(QPen(d.ground.lightness() > 128 ? QColor(d.ink).darker() : QColor(Qt::white), 1.0));
        for (qreal x = area.left() + 9.5; x < area.right(); x += 12)
            p.drawLine(QPointF(x, area.top()), QPointF(x, area.bottom()));
        for (qreal y = area.top() + 9.5; y < area.bottom(); y += 12)
            p.drawLine(QPointF(area.left(), y), QPointF(area.right(), y));
        break;
    }
    case BackPattern::Rings:
        p.setPen(QPen(d.ink, 2.0));
        for (int r = 3; r < 70; r += 5)
            p.drawEllipse(c, r, r);
        break;
    }
}

} // namespace

CardStyle quenbyStyle() {
    return {QColor(204, 0, 0),    QColor(16, 16, 16),    QColor(255, 255, 255),
            QColor(64, 64, 64),   QColor(192, 192, 192), QColor(255, 204, 51),
            QColor(0, 51, 153),   QColor(255, 255, 204), QColor(255, 204, 153)};
}

CardStyle tollmereStyle() {
    using namespace vga;
    return {QColor(red),    QColor(black),  QColor(white), QColor(black), QColor(silver),
            QColor(yellow), QColor(blue), QColor(white), QColor(silver)};
}

void drawFace(QPainter& p, const CardStyle& s, int rank, Suit suit) {
    drawBlank(p, s);
    if (rank == 1)
        drawAce(p, s, suit);
    else if (rank <= 10)
        drawPips(p, s, rank, suit);
    else
        drawCourt(p, s, rank, suit);
    inBothHalves(p, [&] { drawIndex(p, s, rank, suit); });
}

void drawBack(QPainter& p, const CardStyle& s, const BackDesign& design) {
    drawBlank(p, s);
    const QRectF field(4, 4, kCardWidth - 8, kCardHeight - 8);
    p.save();
    p.setClipRect(field);
    drawPattern(p, design, field);
    p.restore();
    p.setPen(QPen(design.ink, 1.0));
    p.setBrush(Qt::NoBrush);
    p.drawRect(field.adjusted(0.5, 0.5, -0.5, -0.5));
}

} // namespace artgen
