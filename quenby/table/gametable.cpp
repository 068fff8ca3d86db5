#include "gametable.h"

#include "tablestate.h"
#include "tablesurface.h"

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
    switch (GameId) {
    case quenby::GameId::GranniesClock:
        for (const Pile* pile : Piles)
            if (const Card* top = pile->Top(); top && top->IsFaceDown(cardBackId))
                return Won;
        Won = 1;
        return Won;
    case quenby::GameId::AuldLangSyne:
    case quenby::GameId::Canfield:
    case quenby::GameId::MagicCarpet:
    case quenby::GameId::FlowerGarden:
    case quenby::GameId::Klondike:
    case quenby::GameId::LittleSpider:
    case quenby::GameId::Osmosis:
        if (Stock.Count() > 0)
            return Won;
        for (const Pile* pile : Piles)
            if (pile->PileKind != FoundationKind && pile->Count() > 0)
                return Won;
        Won = 1;
        return Won;
    case quenby::GameId::None:
        return Won;
    }
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
    std::visit(
        [&](auto& game) {
            if constexpr (requires { game.Held; })
                if (game.Held)
                    reimage(*game.Held);
        },
        Game);
    DrawBackground(table);
}

} // namespace quenby
