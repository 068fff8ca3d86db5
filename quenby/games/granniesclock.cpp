// SCAFFOLD: replaced by the game's rules; only here so the table links meanwhile.
#include "granniesclock.h"

#include <table/tablestate.h>

namespace quenby {

void GranniesClockGame::Deal(TableState&) {}
void GranniesClockGame::Relayout(TableState&) {}
void GranniesClockGame::PickUp(TableState&, int, int) {}
void GranniesClockGame::Drag(TableState&, int, int) {}
void GranniesClockGame::Drop(TableState&, int, int) {}
bool GranniesClockGame::Accepts(const TableState&, const Pile&) const { return false; }

} // namespace quenby
