// SCAFFOLD: replaced by the game's rules; only here so the table links meanwhile.
#include "littlespider.h"

#include <table/tablestate.h>

namespace quenby {

void LittleSpiderGame::Deal(TableState&) {}
void LittleSpiderGame::Relayout(TableState&) {}
void LittleSpiderGame::PickUp(TableState&, int, int) {}
void LittleSpiderGame::Drag(TableState&, int, int) {}
void LittleSpiderGame::Drop(TableState&, int, int) {}
bool LittleSpiderGame::Accepts(const TableState&, const Pile&) const { return false; }

} // namespace quenby
