// SCAFFOLD: replaced by the game's rules; only here so the table links meanwhile.
#include "flowergarden.h"

#include <table/tablestate.h>

namespace quenby {

void FlowerGardenGame::Deal(TableState&) {}
void FlowerGardenGame::Relayout(TableState&) {}
void FlowerGardenGame::PickUp(TableState&, int, int) {}
void FlowerGardenGame::Drag(TableState&, int, int) {}
void FlowerGardenGame::Drop(TableState&, int, int) {}
bool FlowerGardenGame::Accepts(const TableState&, const Pile&) const { return false; }

} // namespace quenby
