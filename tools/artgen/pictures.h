#pragma once
// Pictures other than cards: title pictures, toolbar images and program icons.
#include <QImage>
#include <QPainter>

namespace artgen {

// Title of quenby, 275 by 193: a fan of aces over a ribbon with the name, on
// pure black (the colour the table shows through).
void drawQuenbyTitle(QPainter& p);

// Title of tollmere, 380 by 308, opaque.
void drawTollmereTitle(QPainter& p);

// The game buttons in toolbar order (0 Fortune's Favor ... 7 Queen's
// Audience), then 8 help, 9 about and 10 exit; each 31 by 31 at (0, 0).
inline constexpr int kGameButtonCount = 11;
void drawGameButton(QPainter& p, int index);

// The tools: 0 open, 1 save, 2 colour, 3 decks, 4 record, 5 sound; 16 by 16.
inline constexpr int kToolButtonCount = 6;
void drawToolButton(QPainter& p, int index);

// Program icons in a 48-unit square: "quenby", "tollmere" or "setup".
void drawProgramIcon(QPainter& p, const QString& program);

} // namespace artgen
