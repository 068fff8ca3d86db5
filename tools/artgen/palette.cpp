#include "palette.h"

#include <array>
#include <unordered_map>

namespace artgen {

namespace {

QRgb blend(QRgb a, QRgb b, double t) {
    auto mix = [t](int x, int y) { return static_cast<int>(x + (y - x) * t + 0.5); };
    return qRgb(mix(qRed(a), qRed(b)), mix(qGreen(a), qGreen(b)), mix(qBlue(a), qBlue(b)));
}

QList<QRgb> makeQuenbyPalette() {
    QList<QRgb> table;
    table.append(qRgb(0, 0, 0));
    // A 6-level colour cube covers the backs, the court colours and the title.
    constexpr std::array<int, 6> levels{0, 51, 102, 153, 204, 255};
    for (int r : levels)
        for (int g : levels)
            for (int b : levels)
                if (r || g || b)
                    table.append(qRgb(r, g, b));
    // Fine greys for antialiased black ink on white card.
    for (int v : {16, 24, 34, 44, 64, 76, 90, 115, 128, 140, 166, 180, 192, 215, 225, 235, 240, 245,
                  248, 251})
        table.append(qRgb(v, v, v));
    // The same for red ink, gold and blue court colours.
    const QRgb white = qRgb(255, 255, 255);
    for (int k = 1; k <= 10; ++k)
        table.append(blend(white, qRgb(204, 0, 0), k / 11.0));
    for (int k = 1; k <= 4; ++k)
        table.append(blend(white, qRgb(255, 204, 51), k / 5.0));
    for (int k = 1; k <= 4; ++k)
        table.append(blend(white, qRgb(0, 51, 153), k / 5.0));
    table.append(blend(qRgb(204, 0, 0), qRgb(16, 16, 16), 1 / 3.0));
    table.append(blend(qRgb(204, 0, 0), qRgb(16, 16, 16), 2 / 3.0));
    Q_ASSERT(table.size() == 256);
    return table;
}

} // namespace

const QList<QRgb>& quenbyPalette() {
    static const QList<QRgb> table = makeQuenbyPalette();
    return table;
}

const QList<QRgb>& tollmerePalette() {
    using namespace vga;
    static const QList<QRgb> table{black, maroon, green,  olive,   navy, purple, teal, silver,
                                   grey,  red,    lime,   yellow,  blue, fuchsia, aqua, white};
    return table;
}

int nearestIndex(const QList<QRgb>& table, QRgb colour, int firstAllowed) {
    int best = firstAllowed;
    long bestDistance = -1;
    for (int i = firstAllowed; i < table.size(); ++i) {
        const long dr = qRed(colour) - qRed(table[i]);
        const long dg = qGreen(colour) - qGreen(table[i]);
        const long db = qBlue(colour) - qBlue(table[i]);
        // The eye is most sensitive to green and least to blue.
        const long d = 3 * dr * dr + 4 * dg * dg + 2 * db * db;
        if (bestDistance < 0 || d < bestDistance) {
            best = i;
            bestDistance = d;
        }
    }
    return best;
}

QImage quantise(const QImage& rgb, const QList<QRgb>& table, int firstAllowed) {
    const QImage src = rgb.convertToFormat(QImage::Format_RGB32);
    QImage out(src.size(), QImage::Format_Indexed8);
    out.setColorTable(table);
    std::unordered_map<QRgb, int> cache;
    for (int y = 0; y < src.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(src.constScanLine(y));
        uchar* dst = out.scanLine(y);
        for (int x = 0; x < src.width(); ++x) {
            const QRgb c = line[x] | 0xFF000000;
            auto it = cache.find(c);
            if (it == cache.end())
                it = cache.emplace(c, nearestIndex(table, c, firstAllowed)).first;
            dst[x] = static_cast<uchar>(it->second);
        }
    }
    return out;
}

} // namespace artgen
