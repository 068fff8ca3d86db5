#pragma once
// Colours travel as 0x00BBGGRR values (red in the low byte), as the settings
// files store them.
#include <QColor>
#include <array>
#include <cstdint>

class QWidget;

namespace platform {

using ColorRef = std::uint32_t;
using CustomColours = std::array<ColorRef, 16>;

constexpr ColorRef makeColorRef(int red, int green, int blue)
{
    return ColorRef(red & 0xFF) | (ColorRef(green & 0xFF) << 8) | (ColorRef(blue & 0xFF) << 16);
}
QColor toQColor(ColorRef colour);
ColorRef fromQColor(const QColor& colour);

// The colour chooser, fully opened, starting at `colour`, showing and updating
// the program's sixteen custom colours (updated even when cancelled). Returns
// true and sets `colour` when the player pressed OK.
bool chooseColour(QWidget* owner, ColorRef& colour, CustomColours& custom);

} // namespace platform
