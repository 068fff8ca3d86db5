#pragma once
// Renders a drawing given in target pixels into an indexed bitmap or an icon;
// at `scale` 2 the same drawing comes out twice the size, for screens of
// twice the pixel density, drawn afresh rather than enlarged.
// Drawing happens at four times the size, then each block of 4 by 4 samples
// becomes one pixel, so small shapes keep their geometry.
#include <QImage>
#include <QList>
#include <QPainter>
#include <QSize>
#include <functional>

namespace artgen {

using DrawFn = std::function<void(QPainter&)>;

inline constexpr int kSupersample = 4;

// Antialiased; the samples are averaged and quantised to the quenby table
// without ever choosing its transparent black.
QImage renderSmooth(QSize size, const DrawFn& draw, int scale = 1);

// As renderSmooth, but the drawing starts transparent: a pixel less than half
// covered becomes pure black (entry 0), the colour that shows the table.
QImage renderKeyed(QSize size, const DrawFn& draw, int scale = 1);

// Unantialiased with the sixteen colours only: each pixel takes the colour
// most of its samples have, so edges stay crisp and no odd colours appear.
QImage renderCrisp(QSize size, const DrawFn& draw, int scale = 1);

// An antialiased ARGB picture: `draw` works in a square of `logical` units.
QImage renderIcon(int size, qreal logical, const DrawFn& draw);

} // namespace artgen
