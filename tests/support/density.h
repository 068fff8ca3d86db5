#pragma once
// Checks shared by the tests of both tables drawn at a device pixel ratio.
#include <platform/density.h>

#include <QImage>
#include <gtest/gtest.h>

class QWidget;

namespace hidpi {

// The ratio the offscreen screen was given (QT_SCALE_FACTOR).
qreal ScreenRatio();

// The pixels of `surface` over the logical `place` are `picture` (made for
// the surface's ratio) from its top-left, pixel for pixel.
::testing::AssertionResult ShowsPicture(const QImage& surface, const platform::Rect& place, const QImage& picture);

// What the window shows of `widget`: the part of its window's own picture
// under it, sharing the pixels; a null image where the table is not painted
// straight into it (then its composition is what is shown).
QImage WindowPicture(QWidget& widget);

// `image` is `expected`, pixel for pixel; the first difference is named.
::testing::AssertionResult SamePixels(const QImage& image, const QImage& expected);

} // namespace hidpi
