#pragma once
// The two animations timer 1 drives: the carousel of the start-up table (the
// deck circling the title picture) and the dance of the cards after a win.
#include <platform/rect.h>

namespace quenby {

using platform::Rect;

class Card;
struct TableState;

// Lays the paint order out on the four sides round the centre, 13 a side,
// with the direction each card then travels.
void CarouselLayout(TableState& table);
// One carousel step of a card: 5 pixels along its side, turning the corner
// when it passes the end of the side.
void CarouselStep(const TableState& table, Card& card);
// One jump of a card after a win, kept inside the client area.
void WinDanceStep(TableState& table, Card& card);
// One tick of timer 1: every card of the paint order takes a step (the dance
// once the game is won, the carousel otherwise); DirtyRect covers the moves.
void Tick(TableState& table);

} // namespace quenby
