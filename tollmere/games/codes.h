#pragma once
// The small numbers tollmere's cards, piles and games are known by. Saved
// games and the records file store them, so none of them may ever change.
#include <QtGlobal>

#include <array>
#include <optional>

namespace tollmere {

// Card identity: ranks from Ace (103) down to Two (115), and four suits.
namespace rank {
inline constexpr int Ace = 103, King = 104, Queen = 105, Jack = 106, Ten = 107, Four = 113, Three = 114, Two = 115;
}
namespace suit {
inline constexpr int Spades = 116, Hearts = 117, Diamonds = 118, Clubs = 119;
}

// What a pile is for. The kind decides only the stock actions, the reserve's
// change of role and which piles the win test counts.
namespace kind {
inline constexpr int Foundation = 123, Waste = 124, Stock = 125, Tableau = 126, Reserve = 132;
}

// How a pile spreads its cards; any value but the two fans stacks them.
namespace fan {
inline constexpr int Stacked = 120, Down = 127, Right = 128;
inline constexpr int DownStep = 30, RightStep = 15;
}

// What MakePile fills a new pile with, besides a RankCode (the first card of
// that rank still undealt).
namespace select {
inline constexpr int None = 120, All = 121;
}

inline constexpr int CardWidth = 71;
inline constexpr int CardHeight = 96;
inline constexpr int DeckSize = 52;

// A game is known by its toolbar command; 101 is the title picture.
enum class GameId : int {
    Title = 101,
    Calculation = 102,
    Accordion = 122,
    FortunesFavor = 129,
    FourSeasons = 130,
    Chameleon = 131,
    Quadrille = 133,
    QueensAudience = 134,
    BeleagueredCastle = 32771,
};

struct GameInfo {
    GameId Id;
    const char* Name;
    int HelpContext;
};

// The eight games in their StatsIndex order: the order of the counters in the
// records file, of the Record list and of the game toolbar. The names are the
// English ones; GameName gives them in the player's language.
inline constexpr std::array<GameInfo, 8> Games{{
    //: A game's name: translated only where the language has an established name for it.
    {GameId::FortunesFavor, QT_TRANSLATE_NOOP("tollmere::Games", "Fortune's Favor"), 400},
    //: A game's name: translated only where the language has an established name for it.
    {GameId::Accordion, QT_TRANSLATE_NOOP("tollmere::Games", "Accordion"), 200},
    //: A game's name: translated only where the language has an established name for it.
    {GameId::BeleagueredCastle, QT_TRANSLATE_NOOP("tollmere::Games", "Beleaguered Castle"), 300},
    //: A game's name: translated only where the language has an established name for it.
    {GameId::Calculation, QT_TRANSLATE_NOOP("tollmere::Games", "Calculation"), 100},
    //: A game's name: translated only where the language has an established name for it.
    {GameId::Quadrille, QT_TRANSLATE_NOOP("tollmere::Games", "Quadrille"), 700},
    //: A game's name: translated only where the language has an established name for it.
    {GameId::Chameleon, QT_TRANSLATE_NOOP("tollmere::Games", "Chameleon"), 600},
    //: A game's name: translated only where the language has an established name for it.
    {GameId::FourSeasons, QT_TRANSLATE_NOOP("tollmere::Games", "Four Seasons"), 500},
    //: A game's name: translated only where the language has an established name for it.
    {GameId::QueensAudience, QT_TRANSLATE_NOOP("tollmere::Games", "Queen's Audience"), 800},
}};

// The StatsIndex of one of the eight games; none for any other number.
constexpr std::optional<int> StatsIndex(int gameId)
{
    for (int i = 0; i < int(Games.size()); ++i)
        if (int(Games[std::size_t(i)].Id) == gameId)
            return i;
    return std::nullopt;
}

constexpr bool IsGame(int gameId) { return StatsIndex(gameId).has_value(); }

} // namespace tollmere
