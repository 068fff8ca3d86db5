#include "gametable.h"

#include "tablestate.h"
#include "tablesurface.h"

#include <games/frame.h>

namespace quenby {

GameTable::~GameTable()
{
    // The game object may hold a card; the piles and the stock own the rest.
    Game = std::monostate{};
    Piles.DeleteAll();
    Stock.Cards.DeleteAll();
}

int GameTable::CheckWon(int cardBackId)
{
    if (GameId == quenby::GameId::None)
        return Won;
    if (GameId == quenby::GameId::GranniesClock) {
        if (GranniesClockGame::IsWon(Piles, cardBackId))
            Won = 1;
        return Won;
    }
    if (Stock.Count() > 0)
        return Won;
    for (const Pile* pile : Piles)
        if (pile->PileKind != FoundationKind && pile->Count() > 0)
            return Won;
    Won = 1;
    return Won;
}

void GameTable::ReimageFaceDown(TableState& table)
{
    const auto reimage = [&](Card& card) {
        if (card.ImageId != table.CardBackId && card.ImageId != card.FaceId)
            card.ShowImage(table.CardBackId);
    };
    for (Pile* pile : Piles)
        for (Card* card : pile->Cards)
            reimage(*card);
    // A face-down card still held (its release fell outside the window) goes
    // back to its pile at the next press, and must come back with the new
    // back: with the old one it would count as face up.
    for (Card* card : HeldCards(Game))
        reimage(*card);
    DrawBackground(table);
}

} // namespace quenby
