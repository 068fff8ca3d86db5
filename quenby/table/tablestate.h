#pragma once
// Everything the table shares between drawing, the mouse protocol, the games
// and the settings. The document owns one.
#include "gametable.h"
#include <platform/random.h>
#include <platform/rect.h>

#include <platform/colour.h>

#include <QSize>
#include <memory>
#include <optional>

namespace quenby {

struct TablePalette;
class TableSurface;

struct TableState {
    TableState();
    ~TableState(); // game table, palette, surface, then the (empty) paint order
    TableState(const TableState&) = delete;
    TableState& operator=(const TableState&) = delete;

    Rect ClientRect() const { return Rect::At(0, 0, ClientSize.width(), ClientSize.height()); }
    // (W/2, H/2), halves truncated toward zero: every game position is an
    // offset from it.
    QPoint Centre() const { return {ClientSize.width() / 2, ClientSize.height() / 2}; }
    // Plays a sound by file name, only while SoundOn.
    void PlaySound(const char* fileName) const;

    quenby::PaintList PaintList; // paint order: head first, tail on top; owns nothing
    Rect DirtyRect;
    // The keyboard's focus ring, drawn over the composed table: its outer
    // bounds, empty while no ring shows.
    Rect FocusRing;
    QSize ClientSize{0, 0};
    // Device pixels per logical pixel of the surface: positions stay logical.
    qreal PixelRatio = 1;
    platform::ColorRef TableColour = 0x800080;
    int SoundOn = 1;
    int CardBackId = 191;
    Random Generator{0}; // seeded by every shuffle
    std::unique_ptr<quenby::TableSurface> TableSurface;
    std::unique_ptr<quenby::TablePalette> TablePalette;
    quenby::GameTable GameTable;
};

} // namespace quenby
