// SCAFFOLD: replaced by the game's rules; only here so the table links meanwhile.
#include "osmosis.h"

#include <table/tablestate.h>

namespace quenby {

void OsmosisGame::Deal(TableState&) {}
void OsmosisGame::Relayout(TableState&) {}
void OsmosisGame::PickUp(TableState&, int, int) {}
void OsmosisGame::Drag(TableState&, int, int) {}
void OsmosisGame::Drop(TableState&, int, int) {}
bool OsmosisGame::Accepts(const TableState&, const Pile&) const { return false; }

} // namespace quenby
