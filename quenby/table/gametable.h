#pragma once
// The game in play: its id, whether it is won, its piles in creation order
// (the order of every pile search), the stock and the game object.
#include "gameid.h"
#include "pile.h"

#include <games/auldlangsyne.h>
#include <games/canfield.h>
#include <games/flowergarden.h>
#include <games/granniesclock.h>
#include <games/klondike.h>
#include <games/littlespider.h>
#include <games/magiccarpet.h>
#include <games/osmosis.h>

#include <type_traits>
#include <variant>

namespace quenby {

struct TableState;

using GameObject = std::variant<std::monostate, AuldLangSyneGame, CanfieldGame, MagicCarpetGame, FlowerGardenGame,
                                KlondikeGame, LittleSpiderGame, OsmosisGame, GranniesClockGame>;
// True for the game classes, false for the empty table.
template <class Game>
constexpr bool IsGame = !std::is_same_v<std::decay_t<Game>, std::monostate>;

class GameTable {
public:
    GameTable() = default;
    ~GameTable();
    GameTable(const GameTable&) = delete;
    GameTable& operator=(const GameTable&) = delete;

    // Sets and returns Won: Grannies Clock is won when no top card is face
    // down; the others when the stock and every non-foundation pile are empty.
    int CheckWon(int cardBackId);

    // After a change of back: cards showing an old back show the new one, and
    // the background (with the stock) is drawn again.
    void ReimageFaceDown(TableState& table);

    quenby::GameId GameId = quenby::GameId::None;
    int Won = 0;
    PileList Piles;
    quenby::Stock Stock;
    GameObject Game;
};

} // namespace quenby
