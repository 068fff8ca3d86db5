// SCAFFOLD: replaced by the game's rules; only here so the table links meanwhile.
#include "canfield.h"

#include <table/tablestate.h>

namespace quenby {

void CanfieldGame::Deal(TableState&) {}
void CanfieldGame::Relayout(TableState&) {}
void CanfieldGame::PickUp(TableState&, int, int) {}
void CanfieldGame::Drag(TableState&, int, int) {}
void CanfieldGame::Drop(TableState&, int, int) {}
bool CanfieldGame::Accepts(const TableState&, const Pile&) const { return false; }

} // namespace quenby
