#pragma once
// Dialog layouts given in dialog units, turned into pixels by the dialog
// font: a unit is a quarter of the font's average character width across and
// an eighth of its height down, so a form keeps its proportions at any font
// size.
#include <QFont>
#include <QRect>

namespace platform {

class DialogUnits {
public:
    explicit DialogUnits(const QFont& font);

    int X(int units) const { return (units * charWidth_ + 2) / 4; }
    int Y(int units) const { return (units * charHeight_ + 4) / 8; }
    QRect Rect(int x, int y, int width, int height) const { return {X(x), Y(y), X(width), Y(height)}; }
    QSize Size(int width, int height) const { return {X(width), Y(height)}; }

private:
    int charWidth_;
    int charHeight_;
};

} // namespace platform
