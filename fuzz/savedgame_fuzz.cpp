// Any bytes given as a saved game: laid out on a freshly dealt table of the
// game it names, no card ever in two piles, written back as it lies, then
// played a little through the mouse as the player would.
#include <games/carddeck.h>
#include <games/frame.h>
#include <games/gametable.h>
#include <shell/configblock.h>
#include <shell/savedgame.h>
#include <platform/localtime.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <vector>

using namespace tollmere;

namespace {

constexpr int Width = 800;
constexpr int Height = 600;

// Checked after every move: one buffer kept for all of them, where a set
// made a node for each card each time.
void CheckEveryCardOnce(const GameTable& table)
{
    static std::vector<const Card*> seen;
    seen.clear();
    for (const auto& pile : table.Frame()->Piles)
        seen.insert(seen.end(), pile->Cards.begin(), pile->Cards.end());
    std::sort(seen.begin(), seen.end());
    if (std::adjacent_find(seen.begin(), seen.end()) != seen.end())
        std::abort();
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
