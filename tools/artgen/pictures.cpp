#include "pictures.h"

#include "cards.h"
#include "palette.h"
#include "shapes.h"

#include <QPainterPath>
#include <cmath>

namespace artgen {

namespace {

// Draws a whole card face, rotated by `degrees` about its centre placed at c.
void drawCardAt(QPainter& p, const CardStyle& s, QPointF c, qreal degrees, int rank, Suit suit) {
    p.save();
    p.translate(c);
    p.rotate(degrees);
    p.translate(-kCardWidth / 2.0, -kCardHeight / 2.0);
    drawFace(p, s, rank, suit);
    p.restore();
}

void fan(QPainter& p, const CardStyle& s, QPointF pivot, qreal radius, const std::vector<qreal>& angles,
         const std::vector<std::pair<int, Suit>>& cards) {
    for (std::size_t i = 0; i < cards.size(); ++i) {
        const qreal a = angles[i] * M_PI / 180;
        const QPointF c(pivot.x() + radius * std::sin(a), pivot.y() - radius * std::cos(a));
        drawCardAt(p, s, c, angles[i], cards[i].first, cards[i].second);
    }
}

void outlinedText(QPainter& p, const QPainterPath& text, const QColor& fill, const QColor& edge, qreal width) {
    p.setPen(QPen(edge, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(fill);
    p.drawPath(text);
    p.setPen(Qt::NoPen);
    p.drawPath(text);
}

// A small card for toolbar pictures and icons: white with an outline.
void miniCard(QPainter& p, const QRectF& r, qreal radius, const QColor& outline, const QColor& paper,
              qreal pen = 1.0) {
    p.setPen(QPen(outline, pen));
    p.setBrush(paper);
    p.drawRoundedRect(r, radius, radius);
}

void buttonGround(QPainter& p, int size) { p.fillRect(QRectF(0, 0, size, size), QColor(vga::silver)); }

} // namespace

void drawQuenbyTitle(QPainter& p) {
    const CardStyle s = quenbyStyle();
    fan(p, s, QPointF(137.5, 205), 128, {-27, -9, 9, 27},
        {{1, Suit::Spades}, {1, Suit::Hearts}, {1, Suit::Clubs}, {1, Suit::Diamonds}});

    // The ribbon with swallow-tailed ends.
    const QPainterPath ribbon = polygon({{6, 134}, {269, 134}, {256, 160}, {269, 186}, {6, 186}, {19, 160}});
    p.setPen(QPen(QColor(255, 204, 51), 2.0, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    p.setBrush(QColor(153, 0, 0));
    p.drawPath(ribbon);
    p.setPen(QPen(QColor(255, 255, 204), 1.0));
    p.setBrush(Qt::NoBrush);
    p.drawLine(QPointF(30, 139.5), QPointF(245, 139.5));
    p.drawLine(QPointF(30, 180.5), QPointF(245, 180.5));
    outlinedText(p, fittedText(QStringLiteral("Quenby"), QRectF(48, 143, 180, 34), true),
                 QColor(255, 204, 51), QColor(102, 0, 0), 2.0);
}

void drawTollmereTitle(QPainter& p) {
    using namespace vga;
    p.fillRect(QRectF(0, 0, 380, 308), QColor(teal));
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(yellow), 3.0));
    p.drawRect(QRectF(7.5, 7.5, 365, 293));
    p.setPen(QPen(QColor(white), 1.0));
    p.drawRect(QRectF(12.5, 12.5, 355, 283));
    for (QPointF c : {QPointF(24, 24), QPointF(356, 24), QPointF(24, 284), QPointF(356, 284)}) {
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(yellow));
        p.drawPath(starPath(c.x(), c.y(), 7, 4, 0.35));
    }
    const CardStyle s = tollmereStyle();
    fan(p, s, QPointF(190, 300), 180, {-32, -16, 0, 16, 32},
        {{1, Suit::Spades}, {13, Suit::Hearts}, {12, Suit::Clubs}, {11, Suit::Diamonds}, {10, Suit::Spades}});
    const QPainterPath name = fittedText(QStringLiteral("Tollmere"), QRectF(50, 208, 280, 50), true);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(black));
    p.drawPath(name.translated(3, 3));
    outlinedText(p, name, QColor(yellow), QColor(black), 1.5);
    p.setBrush(QColor(white));
    p.drawPath(fittedText(QStringLiteral("PATIENCE"), QRectF(140, 268, 100, 12)));
}

void drawGameButton(QPainter& p, int index) {
    using namespace vga;
    buttonGround(p, 31);
    const QColor ink(black);
    switch (index) {
    case 0: { // Fortune's Favor: a four-leaf clover
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(green));
        for (int k = 0; k < 4; ++k) {
            p.save();
            p.translate(15.5, 14);
            p.rotate(45 + 90 * k);
            p.translate(0, -6.5);
            p.scale(11, 11);
            p.drawPath(suitPath(Suit::Hearts));
            p.restore();
        }
        p.setPen(QPen(QColor(green), 2.0));
        p.drawLine(QPointF(15.5, 16), QPointF(21, 28));
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(lime));
        p.drawEllipse(QPointF(15.5, 14), 2, 2);
        break;
    }
    case 1: // Accordion: a line of cards overlapping as they fold together
        for (int i = 0; i < 5; ++i) {
            const QRectF r(2.5 + i * 5, 6.5 + (i % 2) * 4, 10, 14);
            miniCard(p, r, 1.5, ink, QColor(white));
            p.setPen(Qt::NoPen);
            drawPip(p, i % 2 ? Suit::Hearts : Suit::Spades, r.left() + 3.5, r.top() + 4, 4.5,
                    QColor(i % 2 ? red : black));
        }
        break;
    case 2: { // Beleaguered Castle: a tower with battlements
        p.setPen(QPen(ink, 1.0));
        p.setBrush(QColor(grey));
        QPainterPath tower;
        tower.moveTo(6.5, 28.5);
        tower.lineTo(6.5, 5.5);
        for (int i = 0; i < 4; ++i) {
            const qreal x = 6.5 + i * 6;
            tower.lineTo(x + 3, 5.5);
            tower.lineTo(x + 3, 9.5);
            tower.lineTo(x + 6, 9.5);
            tower.lineTo(x + 6, 5.5);
        }
        tower.lineTo(24.5, 28.5);
        tower.closeSubpath();
        p.drawPath(tower);
        p.setBrush(QColor(black));
        p.drawRect(QRectF(12.5, 19.5, 6, 9));
        p.setBrush(QColor(yellow));
        p.drawRect(QRectF(10.5, 12.5, 2, 3));
        p.drawRect(QRectF(18.5, 12.5, 2, 3));
        p.setPen(QPen(QColor(red), 1.0));
        p.drawLine(QPointF(15.5, 5), QPointF(15.5, 0.5));
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(red));
        p.drawRect(QRectF(16, 1, 5, 3));
        break;
    }
    case 3: { // Calculation: a card that counts
        miniCard(p, QRectF(5.5, 2.5, 20, 26), 2, ink, QColor(white));
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(black));
        p.drawPath(fittedText(QStringLiteral("1"), QRectF(8, 5, 5, 9)));
        p.drawPath(fittedText(QStringLiteral("2"), QRectF(17, 5, 6, 9)));
        p.setBrush(QColor(red));
        p.drawPath(fittedText(QStringLiteral("3"), QRectF(8, 17, 6, 9)));
        p.drawPath(fittedText(QStringLiteral("4"), QRectF(17, 17, 6, 9)));
        break;
    }
    case 4: // Quadrille: four cards dancing round a centre
        for (int k = 0; k < 4; ++k) {
            p.save();
            p.translate(15.5, 15.5);
            p.rotate(90 * k);
            miniCard(p, QRectF(-4.5, -14.5, 9, 12), 1.5, ink, QColor(white));
            p.setPen(Qt::NoPen);
            p.setBrush(QColor(k % 2 ? red : blue));
            p.drawRect(QRectF(-2.5, -12.5, 5, 3));
            p.restore();
        }
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(yellow));
        p.drawPath(starPath(15.5, 15.5, 3.5, 4, 0.4));
        break;
    case 5: { // Chameleon: a lizard with a curled tail
        p.setPen(QPen(ink, 1.0));
        p.setBrush(QColor(lime));
        p.drawEllipse(QRectF(6, 9, 16, 9));
        p.drawEllipse(QRectF(19, 7, 9, 7));
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(QColor(green), 2.5));
        p.drawArc(QRectF(2, 14, 9, 9), 90 * 16, 270 * 16);
        p.setPen(QPen(QColor(green), 2.0));
        p.drawLine(QPointF(10, 17), QPointF(9, 24));
        p.drawLine(QPointF(18, 17), QPointF(20, 24));
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(black));
        p.drawRect(QRectF(24, 9, 2, 2));
        p.setBrush(QColor(yellow));
        p.drawRect(QRectF(11, 11, 2, 2));
        p.setBrush(QColor(red));
        p.drawRect(QRectF(15, 12, 2, 2));
        break;
    }
    case 6: { // Four Seasons: a disc in the colours of the year
        const QRectF disc(3.5, 3.5, 24, 24);
        const QRgb seasons[] = {lime, yellow, olive, white};
        for (int k = 0; k < 4; ++k) {
            p.setPen(Qt::NoPen);
            p.setBrush(QColor(seasons[k]));
            p.drawPie(disc, (90 - 90 * k) * 16, -90 * 16);
        }
        p.setPen(QPen(ink, 1.0));
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(disc);
        p.drawLine(QPointF(15.5, 3.5), QPointF(15.5, 27.5));
        p.drawLine(QPointF(3.5, 15.5), QPointF(27.5, 15.5));
        break;
    }
    case 7: { // Queen's Audience: a queen's card under a crown
        miniCard(p, QRectF(7.5, 9.5, 16, 20), 2, ink, QColor(white));
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(red));
        p.drawPath(fittedText(QStringLiteral("Q"), QRectF(10, 13, 11, 13), true));
        const QPainterPath crown = polygon({
            {8.5, 8.5}, {8.5, 1.5}, {12, 5}, {15.5, 0.5}, {19, 5}, {22.5, 1.5}, {22.5, 8.5}});
        p.setPen(QPen(ink, 1.0));
        p.setBrush(QColor(yellow));
        p.drawPath(crown);
        break;
    }
    case 8: // help
        p.setPen(QPen(QColor(navy), 1.0));
        p.setBrush(QColor(yellow));
        p.drawEllipse(QRectF(3.5, 3.5, 24, 24));
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(navy));
        p.drawPath(fittedText(QStringLiteral("?"), QRectF(9, 7, 13, 17)));
        break;
    case 9: // about
        p.setPen(QPen(QColor(navy), 1.0));
        p.setBrush(QColor(blue));
        p.drawEllipse(QRectF(3.5, 3.5, 24, 24));
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(white));
        p.drawPath(fittedText(QStringLiteral("i"), QRectF(12, 7, 7, 17), true));
        break;
    case 10: { // exit: an open door and the way out
        p.setPen(QPen(ink, 1.0));
        p.setBrush(QColor(black));
        p.drawRect(QRectF(14.5, 3.5, 13, 25));
        const QPainterPath door = polygon({{14.5, 3.5}, {21.5, 6.5}, {21.5, 30.5}, {14.5, 28.5}});
        p.setBrush(QColor(maroon));
        p.drawPath(door);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(red));
        const QPainterPath arrow = polygon({{1, 14}, {7, 14}, {7, 10}, {13, 16}, {7, 22}, {7, 18}, {1, 18}});
        p.drawPath(arrow.translated(-0.5, 0));
        break;
    }
    default: break;
    }
}

void drawToolButton(QPainter& p, int index) {
    using namespace vga;
    buttonGround(p, 16);
    const QColor ink(black);
    switch (index) {
    case 0: { // open: a folder
        p.setPen(QPen(ink, 1.0));
        p.setBrush(QColor(olive));
        p.drawRect(QRectF(1.5, 3.5, 12, 10));
        p.setBrush(QColor(yellow));
        const QPainterPath front = polygon({{1.5, 13.5}, {4.5, 6.5}, {15.5, 6.5}, {12.5, 13.5}});
        p.drawPath(front);
        break;
    }
    case 1: // save: a disk
        p.setPen(QPen(ink, 1.0));
        p.setBrush(QColor(navy));
        p.drawRect(QRectF(1.5, 1.5, 13, 13));
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(white));
        p.drawRect(QRectF(4, 2, 8, 5));
        p.setBrush(QColor(silver));
        p.drawRect(QRectF(4, 10, 8, 4));
        p.setBrush(QColor(navy));
        p.drawRect(QRectF(9, 11, 2, 3));
        break;
    case 2: // colour: three paints
        p.setPen(QPen(ink, 1.0));
        p.setBrush(QColor(red));
        p.drawEllipse(QRectF(1.5, 1.5, 7, 7));
        p.setBrush(QColor(lime));
        p.drawEllipse(QRectF(7.5, 1.5, 7, 7));
        p.setBrush(QColor(blue));
        p.drawEllipse(QRectF(4.5, 7.5, 7, 7));
        break;
    case 3: // decks: two card backs
        p.setPen(QPen(ink, 1.0));
        p.setBrush(QColor(red));
        p.drawRect(QRectF(1.5, 1.5, 8, 11));
        p.setBrush(QColor(blue));
        p.drawRect(QRectF(6.5, 3.5, 8, 11));
        p.setPen(QPen(QColor(aqua), 1.0));
        p.drawLine(QPointF(8, 5), QPointF(13, 13));
        p.drawLine(QPointF(13, 5), QPointF(8, 13));
        break;
    case 4: // record: a bar chart
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(white));
        p.drawRect(QRectF(1, 1, 14, 14));
        p.setPen(QPen(ink, 1.0));
        p.setBrush(QColor(red));
        p.drawRect(QRectF(2.5, 8.5, 3, 6));
        p.setBrush(QColor(green));
        p.drawRect(QRectF(6.5, 3.5, 3, 11));
        p.setBrush(QColor(blue));
        p.drawRect(QRectF(10.5, 6.5, 3, 8));
        break;
    case 5: { // sound: a loudspeaker
        p.setPen(QPen(ink, 1.0));
        p.setBrush(QColor(black));
        const QPainterPath cone = polygon({{1.5, 5.5}, {4.5, 5.5}, {8.5, 1.5}, {8.5, 14.5}, {4.5, 10.5}, {1.5, 10.5}});
        p.drawPath(cone);
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(QColor(navy), 1.0));
        p.drawArc(QRectF(6, 4.5, 6, 7), -60 * 16, 120 * 16);
        p.drawArc(QRectF(5, 2, 10, 12), -60 * 16, 120 * 16);
        break;
    }
    default: break;
    }
}

void drawProgramIcon(QPainter& p, const QString& program) {
    const QColor ink(32, 32, 32);
    if (program == QLatin1String("setup")) {
        // A box that a card is being packed into, and the arrow of installing.
        p.save();
        p.translate(24, 10);
        p.rotate(-8);
        miniCard(p, QRectF(-10, -8, 20, 28), 2.5, ink, Qt::white, 1.2);
        drawPip(p, Suit::Hearts, 0, 4, 11, QColor(204, 0, 0));
        p.restore();
        p.setPen(QPen(QColor(102, 51, 0), 1.5));
        p.setBrush(QColor(204, 153, 51));
        p.drawRect(QRectF(8, 24, 32, 20));
        p.setBrush(QColor(153, 102, 51));
        QPainterPath flaps;
        flaps.moveTo(8, 24);
        flaps.lineTo(2, 18);
        flaps.lineTo(14, 18);
        flaps.lineTo(20, 24);
        flaps.moveTo(40, 24);
        flaps.lineTo(46, 18);
        flaps.lineTo(34, 18);
        flaps.lineTo(28, 24);
        p.drawPath(flaps);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0, 153, 51));
        const QPainterPath arrow = polygon({{21, 28}, {27, 28}, {27, 34}, {31, 34}, {24, 42}, {17, 34}, {21, 34}});
        p.drawPath(arrow);
        return;
    }
    const bool quenby = program == QLatin1String("quenby");
    const QColor backInk = quenby ? QColor(0, 51, 153) : QColor(0, 128, 128);
    p.save();
    p.translate(19, 24);
    p.rotate(-14);
    miniCard(p, QRectF(-13, -18, 26, 36), 3, ink, Qt::white, 1.2);
    p.setPen(Qt::NoPen);
    p.setBrush(backInk);
    p.drawRoundedRect(QRectF(-10.5, -15.5, 21, 31), 1.5, 1.5);
    p.setBrush(Qt::white);
    for (int j = -3; j <= 3; ++j)
        for (int i = -2; i <= 2; ++i)
            p.drawEllipse(QPointF(i * 4 + (j % 2 ? 2 : 0), j * 4.5), 0.9, 0.9);
    p.restore();

    p.save();
    p.translate(29, 25);
    p.rotate(10);
    miniCard(p, QRectF(-13, -18, 26, 36), 3, ink, Qt::white, 1.2);
    const Suit suit = quenby ? Suit::Hearts : Suit::Spades;
    const QColor suitInk = quenby ? QColor(204, 0, 0) : QColor(16, 16, 16);
    drawPip(p, suit, 0, 4, 16, suitInk);
    p.setBrush(suitInk);
    p.drawPath(fittedText(quenby ? QStringLiteral("Q") : QStringLiteral("T"), QRectF(-11, -16, 8, 10), true));
    p.restore();
}

} // namespace artgen
