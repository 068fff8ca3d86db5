// Any bytes given as a saved game: laid out on a freshly dealt table of the
// game it names, no card ever in two piles, written back as it lies, then
// played a little through the mouse as the player would.
#include <games/carddeck.h>
#include <games/codes.h>
#include <games/frame.h>
#include <games/gametable.h>
#include <shell/configblock.h>
#include <shell/savedgame.h>
#include <platform/localtime.h>

#include <bitset>
#include <cstdint>
#include <cstdlib>

using namespace tollmere;

namespace {

constexpr int Width = 800;
constexpr int Height = 600;

// Checked after every move, so kept cheap: the deck's cards differ in rank
// or suit, so a card in two piles is a rank and suit seen twice. The title
// card, alone in its deck, has a slot of its own.
void CheckEveryCardOnce(const GameTable& table)
{
    std::bitset<53> seen;
    for (const auto& pile : table.Frame()->Piles)
        for (const Card* card : pile->Cards) {
            const int rankIndex = card->RankCode - rank::Ace;
            const int suitIndex = card->SuitCode - suit::Spades;
            const bool inDeck = rankIndex >= 0 && rankIndex < 13 && suitIndex >= 0 && suitIndex < 4;
            const std::size_t slot = inDeck ? std::size_t(suitIndex * 13 + rankIndex) : 52;
            if (seen.test(slot))
                std::abort();
            seen.set(slot);
        }
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    platform::setFixedLocalTime(platform::LocalTime{10, 20, 30});
    SoundOn = false;
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const auto saved = DecodeSavedGame(QByteArrayView(data, qsizetype(size)));
    if (!saved)
        return 0;
    CardDeck deck;
    GameTable table(deck, saved->GameId);
    table.Layout(Width, Height);
    RestoreCards(table, *saved);
    CheckEveryCardOnce(table);

    // What lies on the table saves as it lies.
    const auto encoded = EncodeSavedGame(table);
    if (!encoded)
        std::abort();
    const auto reread = DecodeSavedGame(*encoded);
    if (!reread || reread->GameId != saved->GameId)
        std::abort();
    CardDeck otherDeck;
    GameTable other(otherDeck, saved->GameId);
    other.Layout(Width, Height);
    RestoreCards(other, *reread);
    if (EncodeSavedGame(other) != encoded)
        std::abort();

    // Each pile's top card picked up and dropped on the next pile.
    GameFrame& frame = *table.Frame();
    ConfigBlock records;
    for (int i = 0; i < frame.PileCount() && i < 24; ++i) {
        const Pile& from = frame.At(i);
        const Pile& to = frame.At((i + 1) % frame.PileCount());
        const Rect grab = from.Cards.empty() ? from.Bounds : from.Cards.back()->Bounds;
        Rect dirty;
        table.PickUp(dirty, grab.left + 5, grab.top + 5);
        table.Drag(dirty, to.Bounds.left + 10, to.Bounds.top + 10);
        table.Drop(dirty, to.Bounds.left + 10, to.Bounds.top + 10);
        CheckEveryCardOnce(table);
        table.WinTest(records);
    }
    return 0;
}
