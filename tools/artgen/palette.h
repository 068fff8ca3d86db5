#pragma once
// The colour tables our bitmaps are stored with, and the quantisers that
// turn a drawn picture into indices of them.
#include <QImage>
#include <QList>
#include <QRgb>

namespace artgen {

// quenby: one 256-entry table shared by every bitmap. Entry 0 is pure black,
// which only the title picture uses (it is its transparent colour).
const QList<QRgb>& quenbyPalette();

// tollmere: the sixteen standard colours, in their usual order.
const QList<QRgb>& tollmerePalette();

namespace vga {
inline constexpr QRgb black = 0xFF000000, maroon = 0xFF800000, green = 0xFF008000,
                      olive = 0xFF808000, navy = 0xFF000080, purple = 0xFF800080,
                      teal = 0xFF008080, silver = 0xFFC0C0C0, grey = 0xFF808080,
                      red = 0xFFFF0000, lime = 0xFF00FF00, yellow = 0xFFFFFF00,
                      blue = 0xFF0000FF, fuchsia = 0xFFFF00FF, aqua = 0xFF00FFFF,
                      white = 0xFFFFFFFF;
}

// Index of the nearest entry (weighted RGB distance; the first on ties).
// Entries before `firstAllowed` are never chosen.
int nearestIndex(const QList<QRgb>& table, QRgb colour, int firstAllowed = 0);

// Maps every pixel of an RGB picture to its nearest entry.
QImage quantise(const QImage& rgb, const QList<QRgb>& table, int firstAllowed = 0);

} // namespace artgen
