// SCAFFOLD: replaced by the game's rules; only here so the table links meanwhile.
#include "auldlangsyne.h"

#include <table/tablestate.h>

namespace quenby {

void AuldLangSyneGame::Deal(TableState&) {}
void AuldLangSyneGame::Relayout(TableState&) {}
void AuldLangSyneGame::PickUp(TableState&, int, int) {}
void AuldLangSyneGame::Drag(TableState&, int, int) {}
void AuldLangSyneGame::Drop(TableState&, int, int) {}
bool AuldLangSyneGame::Accepts(const TableState&, const Pile&) const { return false; }

} // namespace quenby
