#pragma once
// The eight games, by the numbers the settings file keeps.
namespace quenby {

enum class GameId : int {
    None = 0,
    AuldLangSyne = 100,
    Canfield = 200,
    MagicCarpet = 300,
    FlowerGarden = 400,
    Klondike = 500,
    LittleSpider = 600,
    Osmosis = 700,
    GranniesClock = 800,
};

// A pile that may keep cards when the game is won.
constexpr int FoundationKind = 100;

} // namespace quenby
