#pragma once
// The game in play: which game, its piles and rules, and whether it has been
// won. The view calls it; it forwards to the game object of its GameId.
#include "accordion.h"
#include "beleagueredcastle.h"
#include "calculation.h"
#include "chameleon.h"
#include "codes.h"
#include "fortunesfavor.h"
#include "fourseasons.h"
#include "quadrille.h"
#include "queensaudience.h"

#include <span>
#include <variant>

namespace tollmere {

struct ConfigBlock;

// Before any game and after About: the title picture, centred. It has no
// piles; the mouse, the win test and saving do nothing.
class TitleTable {
public:
    explicit TitleTable(CardDeck& deck);
    void Layout(int width, int height);
    void PickUp(Rect&, int, int) {}
    void Drag(Rect&, int, int) {}
    void Drop(Rect&, int, int) {}
    bool IsWon() const { return false; }

private:
    CardDeck& deck_;
};

// The home places of game `gameId`'s piles, in pile-list order: where the
// background frames its outlines. None for the title picture.
std::span<const Place> PilePlaces(int gameId);
// The names of game `gameId`'s piles ("Stock", "Foundation 2"), in the same
// order.
std::span<const char* const> PileNames(int gameId);
// A game's name (by StatsIndex) and a pile's (by PileIndex), in the player's language.
QString GameName(std::size_t statsIndex);
QString PileName(int gameId, int index);

using Game = std::variant<TitleTable, CalculationGame, BeleagueredCastleGame, FourSeasonsGame, AccordionGame,
                          FortunesFavorGame, QueensAudienceGame, ChameleonGame, QuadrilleGame>;

class GameTable {
public:
    // Shuffles and deals game `gameId`; any number that is not one of the
    // eight games makes the title table.
    GameTable(CardDeck& deck, int gameId);

    void Layout(int width, int height);
    void PickUp(Rect& dirty, int x, int y);
    void Drag(Rect& dirty, int x, int y);
    void Drop(Rect& dirty, int x, int y);
    // 1 when the game is won, counted in `records`; 0 otherwise. A table
    // missing cards (a foreign saved game) is never won.
    int WinTest(ConfigBlock& records);

    // The shared part of the game in play; none for the title table.
    GameFrame* Frame();
    const GameFrame* Frame() const;
    // The redeals used, for the games that have them; 0 for the others.
    int TurnCount() const;
    void SetTurnCount(int turns);

    const int GameId;
    CardDeck& Deck;
    Game Play;
    int Won = 0;
};

} // namespace tollmere
