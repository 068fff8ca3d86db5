#include "render.h"

#include "palette.h"

#include <array>

namespace artgen {

namespace {

// `size` is in drawing units; each unit becomes `scale` pixels of the result.
QImage drawSupersampled(QSize size, int scale, const DrawFn& draw, bool antialiased, QRgb fill) {
    QImage big(size * (kSupersample * scale), QImage::Format_ARGB32_Premultiplied);
    big.fill(fill);
    QPainter p(&big);
    p.setRenderHint(QPainter::Antialiasing, antialiased);
    p.setRenderHint(QPainter::TextAntialiasing, antialiased);
    p.scale(kSupersample * scale, kSupersample * scale);
    draw(p);
    p.end();
    return big;
}

// Averages each block of samples, premultiplied.
QImage boxDown(const QImage& big, QSize size) {
    QImage out(size, QImage::Format_ARGB32_Premultiplied);
    constexpr int n = kSupersample * kSupersample;
    for (int y = 0; y < size.height(); ++y) {
        auto* dst = reinterpret_cast<QRgb*>(out.scanLine(y));
        for (int x = 0; x < size.width(); ++x) {
            int a = 0, r = 0, g = 0, b = 0;
            for (int sy = 0; sy < kSupersample; ++sy) {
                const auto* src = reinterpret_cast<const QRgb*>(big.constScanLine(y * kSupersample + sy));
                for (int sx = 0; sx < kSupersample; ++sx) {
                    const QRgb c = src[x * kSupersample + sx];
                    a += qAlpha(c);
                    r += qRed(c);
                    g += qGreen(c);
                    b += qBlue(c);
                }
            }
            dst[x] = qRgba((r + n / 2) / n, (g + n / 2) / n, (b + n / 2) / n, (a + n / 2) / n);
        }
    }
    return out;
}

} // namespace

QImage renderSmooth(QSize size, const DrawFn& draw, int scale) {
    const QImage small = boxDown(drawSupersampled(size, scale, draw, true, qRgb(255, 255, 255)), size * scale);
    return quantise(small, quenbyPalette(), 1);
}

QImage renderKeyed(QSize logicalSize, const DrawFn& draw, int scale) {
    const QSize size = logicalSize * scale;
    const QImage small = boxDown(drawSupersampled(logicalSize, scale, draw, true, qRgba(0, 0, 0, 0)), size)
                             .convertToFormat(QImage::Format_ARGB32);
    QImage out(size, QImage::Format_Indexed8);
    out.setColorTable(quenbyPalette());
    for (int y = 0; y < size.height(); ++y) {
        const auto* src = reinterpret_cast<const QRgb*>(small.constScanLine(y));
        uchar* dst = out.scanLine(y);
        for (int x = 0; x < size.width(); ++x) {
            // Unpremultiplied colour keeps edges free of a dark fringe on the table.
            dst[x] = qAlpha(src[x]) < 128
                         ? 0
                         : static_cast<uchar>(nearestIndex(quenbyPalette(), src[x] | 0xFF000000, 1));
        }
    }
    return out;
}

QImage renderCrisp(QSize logicalSize, const DrawFn& draw, int scale) {
    const QSize size = logicalSize * scale;
    const QImage big = drawSupersampled(logicalSize, scale, draw, false, qRgb(255, 255, 255));
    const QList<QRgb>& table = tollmerePalette();
    QImage out(size, QImage::Format_Indexed8);
    out.setColorTable(table);
    for (int y = 0; y < size.height(); ++y) {
        uchar* dst = out.scanLine(y);
        for (int x = 0; x < size.width(); ++x) {
            std::array<int, 16> votes{};
            int best = -1;
            for (int sy = 0; sy < kSupersample; ++sy) {
                const auto* src = reinterpret_cast<const QRgb*>(big.constScanLine(y * kSupersample + sy));
                for (int sx = 0; sx < kSupersample; ++sx) {
                    const int i = nearestIndex(table, src[x * kSupersample + sx] | 0xFF000000);
                    ++votes[static_cast<std::size_t>(i)];
                    // Ties go to the colour that reached the count first.
                    if (best < 0 || votes[static_cast<std::size_t>(i)] > votes[static_cast<std::size_t>(best)])
                        best = i;
                }
            }
            dst[x] = static_cast<uchar>(best);
        }
    }
    return out;
}

QImage renderIcon(int size, qreal logical, const DrawFn& draw) {
    const qreal k = size / logical;
    const QImage big = drawSupersampled(QSize(size, size), 1, [&](QPainter& p) {
        p.scale(k, k);
        draw(p);
    }, true, qRgba(0, 0, 0, 0));
    return boxDown(big, QSize(size, size)).convertToFormat(QImage::Format_ARGB32);
}

} // namespace artgen
