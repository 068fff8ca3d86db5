#include "catalogue.h"

#include "cards.h"
#include "palette.h"
#include "pictures.h"
#include "render.h"

#include "quenby/table/faces.h"
#include "tollmere/games/faces.h"

#include <array>

namespace artgen {

namespace {

constexpr std::array<Suit, 4> kSuits{Suit::Clubs, Suit::Diamonds, Suit::Hearts, Suit::Spades};

QString cardLabel(int rank, Suit suit) {
    static const char* const ranks[] = {"", "A", "2", "3", "4", "5", "6", "7", "8", "9", "10", "J", "Q", "K"};
    static const char* const suits[] = {"C", "D", "H", "S"};
    return QString::fromLatin1(ranks[rank]) + QLatin1String(suits[static_cast<int>(suit)]);
}

struct BackEntry {
    int id;
    BackDesign design;
};

std::vector<BackEntry> quenbyBacks() {
    return {
        {183, {BackPattern::Lattice, QColor(0, 51, 153), QColor(153, 204, 255)}},
        {184, {BackPattern::Dots, QColor(255, 204, 51), QColor(153, 0, 0)}},
        {185, {BackPattern::Checker, QColor(0, 102, 51), QColor(102, 204, 102)}},
        {186, {BackPattern::Diamonds, QColor(102, 0, 153), QColor(204, 153, 255)}},
        {189, {BackPattern::Waves, QColor(255, 255, 255), QColor(0, 102, 102)}},
        {191, {BackPattern::Scales, QColor(153, 51, 0), QColor(255, 153, 51)}},
        {192, {BackPattern::Stars, QColor(255, 255, 153), QColor(0, 0, 102)}},
        {193, {BackPattern::Tartan, QColor(204, 0, 0), QColor(0, 51, 0)}},
    };
}

std::vector<BackEntry> tollmereBacks() {
    using namespace vga;
    return {
        {195, {BackPattern::Lattice, QColor(aqua), QColor(navy)}},
        {205, {BackPattern::Dots, QColor(yellow), QColor(maroon)}},
        {206, {BackPattern::Checker, QColor(green), QColor(lime)}},
        {213, {BackPattern::Diamonds, QColor(purple), QColor(fuchsia)}},
        {215, {BackPattern::Waves, QColor(white), QColor(teal)}},
        {216, {BackPattern::Scales, QColor(olive), QColor(yellow)}},
        {218, {BackPattern::Stars, QColor(yellow), QColor(blue)}},
        {219, {BackPattern::Tartan, QColor(red), QColor(green)}},
        {220, {BackPattern::Rings, QColor(red), QColor(maroon)}},
    };
}

// Bitmap 170 carries quenby's colour table; it shows the table as swatches.
void drawSwatches(QPainter& p) {
    const QList<QRgb>& table = quenbyPalette();
    p.fillRect(QRectF(0, 0, kCardWidth, kCardHeight), QColor(192, 192, 192));
    for (int i = 1; i < table.size(); ++i)
        p.fillRect(QRectF(3.5 + (i % 16) * 4, (i / 16) * 6, 4, 6), QColor(table[i]));
}

QImage hstack(const std::vector<QImage>& parts) {
    int width = 0;
    for (const QImage& part : parts)
        width += part.width();
    QImage out(width, parts.front().height(), QImage::Format_Indexed8);
    out.setColorTable(parts.front().colorTable());
    int x = 0;
    for (const QImage& part : parts) {
        for (int y = 0; y < part.height(); ++y)
            std::copy_n(part.constScanLine(y), part.width(), out.scanLine(y) + x);
        x += part.width();
    }
    return out;
}

} // namespace

std::vector<Bitmap> quenbyBitmaps(int scale) {
    std::vector<Bitmap> out;
    const CardStyle style = quenbyStyle();
    const QSize card(kCardWidth, kCardHeight);
    for (int rank = 1; rank <= 13; ++rank)
        for (Suit suit : kSuits)
            out.push_back({quenby::FaceIds[rank - 1][static_cast<int>(suit)], 8,
                           renderSmooth(card, [&](QPainter& p) { drawFace(p, style, rank, suit); }, scale),
                           cardLabel(rank, suit)});
    for (const BackEntry& back : quenbyBacks())
        out.push_back({back.id, 8,
                       renderSmooth(card, [&](QPainter& p) { drawBack(p, style, back.design); }, scale),
                       QStringLiteral("back")});
    out.push_back({170, 8, renderSmooth(card, drawSwatches, scale), QStringLiteral("colours")});
    out.push_back({196, 8, renderKeyed(QSize(275, 193), drawQuenbyTitle, scale), QStringLiteral("title")});
    std::sort(out.begin(), out.end(), [](const Bitmap& a, const Bitmap& b) { return a.id < b.id; });
    return out;
}

std::vector<Bitmap> tollmereBitmaps(int scale) {
    std::vector<Bitmap> out;
    const CardStyle style = tollmereStyle();
    const QSize card(kCardWidth, kCardHeight);
    for (int rank = 1; rank <= 13; ++rank)
        for (Suit suit : kSuits)
            out.push_back({tollmere::FaceIds[rank - 1][static_cast<int>(suit)], 4,
                           renderCrisp(card, [&](QPainter& p) { drawFace(p, style, rank, suit); }, scale),
                           cardLabel(rank, suit)});
    for (const BackEntry& back : tollmereBacks())
        out.push_back({back.id, 4,
                       renderCrisp(card, [&](QPainter& p) { drawBack(p, style, back.design); }, scale),
                       QStringLiteral("back")});
    out.push_back({143, 4, renderCrisp(QSize(380, 308), drawTollmereTitle, scale), QStringLiteral("title")});

    std::vector<QImage> games;
    for (int i = 0; i < kGameButtonCount; ++i)
        games.push_back(renderCrisp(QSize(31, 31), [i](QPainter& p) { drawGameButton(p, i); }, scale));
    out.push_back({128, 4, hstack(games), QStringLiteral("game toolbar")});
    std::vector<QImage> tools;
    for (int i = 0; i < kToolButtonCount; ++i)
        tools.push_back(renderCrisp(QSize(16, 16), [i](QPainter& p) { drawToolButton(p, i); }, scale));
    out.push_back({202, 4, hstack(tools), QStringLiteral("tools")});
    // The Record list shows the eight game buttons again, in the same order.
    for (int i = 0; i < 8; ++i)
        out.push_back({223 + i, 4, games[static_cast<std::size_t>(i)], QStringLiteral("record")});
    std::sort(out.begin(), out.end(), [](const Bitmap& a, const Bitmap& b) { return a.id < b.id; });
    return out;
}

std::vector<Icon> programIcons(const QString& program) {
    std::vector<Icon> out;
    for (int size : kIconSizes)
        out.push_back({program, size, renderIcon(size, 48, [&](QPainter& p) { drawProgramIcon(p, program); })});
    return out;
}

} // namespace artgen
