#include "gametable.h"

#include <shell/configblock.h>

#include <QCoreApplication>

#include <algorithm>
#include <type_traits>

namespace tollmere {

namespace {

template <typename G>
constexpr bool HasRedeals = requires(G game) { game.TurnCount; };

// The game of a toolbar command; the title for any other number.
GameId ToGameId(int gameId) { return IsGame(gameId) ? GameId(gameId) : GameId::Title; }

} // namespace

TitleTable::TitleTable(CardDeck& deck) : deck_(deck) { deck_.MakeTitle(); }

void TitleTable::Layout(int width, int height)
{
    if (deck_.Cards.empty())
        return;
    Card& picture = *deck_.Cards.front();
    const Rect& r = picture.Bounds;
    picture.MoveTo((r.left - r.right) / 2 + width / 2, height / 2 + (r.top - r.bottom) / 2);
    deck_.ExtentWidth = r.Width();
    deck_.ExtentHeight = r.Height();
}

namespace {

Game MakeGame(CardDeck& deck, int gameId)
{
    switch (ToGameId(gameId)) {
    case GameId::Title: return Game(std::in_place_type<TitleTable>, deck);
    case GameId::Calculation: return Game(std::in_place_type<CalculationGame>, deck);
    case GameId::BeleagueredCastle: return Game(std::in_place_type<BeleagueredCastleGame>, deck);
    case GameId::FourSeasons: return Game(std::in_place_type<FourSeasonsGame>, deck);
    case GameId::Accordion: return Game(std::in_place_type<AccordionGame>, deck);
    case GameId::FortunesFavor: return Game(std::in_place_type<FortunesFavorGame>, deck);
    case GameId::QueensAudience: return Game(std::in_place_type<QueensAudienceGame>, deck);
    case GameId::Chameleon: return Game(std::in_place_type<ChameleonGame>, deck);
    case GameId::Quadrille: return Game(std::in_place_type<QuadrilleGame>, deck);
    }
    return Game(std::in_place_type<TitleTable>, deck);
}

} // namespace

namespace {

// What `pick` gives for the class of game `gameId`; nothing for the title.
template <typename Result, typename Pick>
Result OfGameClass(int gameId, Pick pick)
{
    switch (ToGameId(gameId)) {
    case GameId::Title: return {};
    case GameId::Calculation: return pick(std::type_identity<CalculationGame>{});
    case GameId::BeleagueredCastle: return pick(std::type_identity<BeleagueredCastleGame>{});
    case GameId::FourSeasons: return pick(std::type_identity<FourSeasonsGame>{});
    case GameId::Accordion: return pick(std::type_identity<AccordionGame>{});
    case GameId::FortunesFavor: return pick(std::type_identity<FortunesFavorGame>{});
    case GameId::QueensAudience: return pick(std::type_identity<QueensAudienceGame>{});
    case GameId::Chameleon: return pick(std::type_identity<ChameleonGame>{});
    case GameId::Quadrille: return pick(std::type_identity<QuadrilleGame>{});
    }
    return {};
}

} // namespace

std::span<const Place> PilePlaces(int gameId)
{
    return OfGameClass<std::span<const Place>>(
        gameId, [](auto game) { return std::span<const Place>(decltype(game)::type::Places); });
}

std::span<const char* const> PileNames(int gameId)
{
    return OfGameClass<std::span<const char* const>>(
        gameId, [](auto game) { return std::span<const char* const>(decltype(game)::type::Names); });
}

QString GameName(std::size_t statsIndex)
{
    return QCoreApplication::translate("tollmere::Games", Games[statsIndex].Name);
}

QString PileName(int gameId, int index)
{
    const std::span<const char* const> names = PileNames(gameId);
    return index >= 0 && index < int(names.size())
               ? QCoreApplication::translate("tollmere::Piles", names[std::size_t(index)])
               : QCoreApplication::translate("tollmere::Piles", "Pile %1").arg(index + 1);
}

GameTable::GameTable(CardDeck& deck, int gameId) : GameId(gameId), Deck(deck), Play(MakeGame(deck, gameId)) {}

void GameTable::Layout(int width, int height)
{
    std::visit([&](auto& game) { game.Layout(width, height); }, Play);
}

void GameTable::PickUp(Rect& dirty, int x, int y)
{
    std::visit([&](auto& game) { game.PickUp(dirty, x, y); }, Play);
}

void GameTable::Drag(Rect& dirty, int x, int y)
{
    std::visit([&](auto& game) { game.Drag(dirty, x, y); }, Play);
}

void GameTable::Drop(Rect& dirty, int x, int y)
{
    std::visit([&](auto& game) { game.Drop(dirty, x, y); }, Play);
}

int GameTable::WinTest(ConfigBlock& records)
{
    const bool won = std::visit([](const auto& game) { return game.IsWon(); }, Play);
    if (!won)
        return 0;
    int inPiles = 0;
    if (const GameFrame* frame = Frame())
        for (const auto& pile : frame->Piles)
            inPiles += pile->Count();
    if (inPiles != DeckSize)
        return 0;
    records.CountWin(GameId);
    return 1;
}

GameFrame* GameTable::Frame()
{
    return std::visit(
        [](auto& game) -> GameFrame* {
            if constexpr (std::is_base_of_v<GameFrame, std::decay_t<decltype(game)>>)
                return &game;
            else
                return nullptr;
        },
        Play);
}

const GameFrame* GameTable::Frame() const { return const_cast<GameTable*>(this)->Frame(); }

int GameTable::TurnCount() const
{
    return std::visit(
        [](const auto& game) {
            if constexpr (HasRedeals<std::decay_t<decltype(game)>>)
                return game.TurnCount;
            else
                return 0;
        },
        Play);
}

void GameTable::SetTurnCount(int turns)
{
    std::visit(
        [&](auto& game) {
            using G = std::decay_t<decltype(game)>;
            if constexpr (HasRedeals<G>)
                game.TurnCount = std::clamp(turns, 0, G::MaxTurns);
        },
        Play);
}

} // namespace tollmere
