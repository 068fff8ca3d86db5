#pragma once
// What the eight games share: their pile list, the deal from the deck, the
// centring layout, and the pick-up, drag and drop of cards to the pile they
// overlap most. Each game is a GameFrame that adds only where its rules
// depart from these steps; it owns the table of its piles' places (`Places`,
// in pile-list order), which its deal reads and the background outlines. The
// program places and moves cards; the player applies each game's rules.
#include "carddeck.h"
#include "codes.h"
#include "pile.h"

#include <QPoint>
#include <memory>
#include <optional>
#include <vector>

namespace tollmere {

// The live sound switch; the records file keeps it between runs.
extern bool SoundOn;
// "SHUFFLE.WAV", "UP.WAV", "DOWN.WAV": played without waiting, while SoundOn.
void PlayWave(const char* fileName);
// Every game's first step, and a reopened game's too: the shuffle sound, then
// 52 fresh cards in a new order.
void ShuffleDeck(CardDeck& deck);

class GameFrame {
public:
    // Shuffles the deck (with its sound); the game then builds its piles.
    GameFrame(CardDeck& deck, int dragFan);

    // --- Piles and deal ---
    // A pile of `kind` at its home place, filled by `selector`: select::All
    // takes every undealt card in deck order, select::None none, a RankCode
    // the first undealt card of that rank.
    std::unique_ptr<Pile> MakePile(int kind, int selector, Place home, int fanRule = fan::Stacked);
    Pile& Append(int kind, int selector, Place home, int fanRule = fan::Stacked);
    Pile& InsertFront(int kind, int selector, Place home, int fanRule = fan::Stacked);
    // The next undealt card onto `pile`, turned up as asked; false when the
    // deck is dealt out.
    bool DealTo(Pile& pile, bool faceUp);
    Pile& At(int pileIndex) { return *Piles[std::size_t(pileIndex)]; }
    int PileCount() const { return int(Piles.size()); }

    // --- Layout ---
    // Centres the home places in a client area of width by height; the
    // extent goes to the deck for the outlines.
    void Layout(int width, int height);

    // --- Mouse ---
    // The shared three operations; each grows `dirty` over what it changed.
    void PickUp(Rect& dirty, int x, int y);
    void Drag(Rect& dirty, int x, int y);
    void Drop(Rect& dirty, int x, int y);

    // The pieces games build their own PickUp and Drop from.
    // A drag pile still held (its release never came) goes back to its pile.
    void ReturnHeld(Rect& dirty);
    // The first pile in list order under the point.
    Pile* PileUnder(int x, int y) const;
    // Lifts cards from `pile` at the point by the drag fan rule (a run from a
    // fan, the top card of a stack), face up; false for an empty pile.
    bool TakeCards(Pile& pile, int x, int y);
    // Lifts all of `pile`'s cards, face up; false for an empty pile.
    bool TakeAll(Pile& pile);
    // After a lift: the sound, the cards painted on top, the grab offset and
    // the areas to repaint.
    void FinishLift(Rect& dirty, int x, int y, const char* sound);
    // The held cards onto the pile their card place overlaps most (the later
    // one on a tie), among the piles `candidate` allows, never their source;
    // back to the source silently when none. Returns the target, or none.
    template <typename Allow>
    Pile* DropHeld(Rect& dirty, Allow candidate);
    // The pile a card place at `probe` overlaps most among those `candidate`
    // allows, never `source`; the later one on a tie; none when it meets none.
    template <typename Allow>
    Pile* BestOverlap(const Rect& probe, const Pile* source, Allow candidate) const;
    // Turns the waste (the pile after the stock) over into the empty stock,
    // face down, at most `maxTurns` times a game.
    void Redeal(Rect& dirty, int& turnCount, int maxTurns);
    // The pick-up of a game whose waste can be turned over: a press on the
    // empty stock redeals (while redeals are left), any other lifts cards
    // with `liftSound`.
    void PickUpOrRedeal(Rect& dirty, int x, int y, int& turnCount, int maxTurns, const char* liftSound);

    // --- Keys ---
    // The keys play through the mouse's three operations, at points worked
    // out from the piles' rectangles.
    enum class Heading { Left, Right, Up, Down };
    // The nearest pile from pile `from` in `heading`, by their card places:
    // one in the same row (or column) first; `from` itself when none lies
    // that way.
    int Nearest(int from, Heading heading) const;
    // A point where a press reaches pile `index` and lifts from its card
    // `card` (bottom first; -1 or past the top: the top card); inside an
    // empty pile, for a stock's click. None when earlier piles cover it all.
    std::optional<QPoint> PressPoint(int index, int card) const;
    // Where the held cards lie when carried over pile `index`: where a drop
    // lays them on that pile if any such place is near (the next place in
    // its fan, its top card, its card place); over their own pile, where
    // they were lifted from.
    QPoint CarryPlace(int index) const;

    // --- Win ---
    // The empty piles among those `counted` allows, in list order, stopping
    // at the first counted pile that holds cards.
    template <typename Counted>
    int EmptyUntilOccupied(Counted counted) const;
    static bool NotFoundation(const Pile& pile) { return pile.Kind != kind::Foundation; }

    std::vector<std::unique_ptr<Pile>> Piles;
    CardDeck& Deck;
    std::unique_ptr<Pile> DragPile;
    int Dx = 0;
    int Dy = 0;
    int DragFan;
    // Room a game needs beyond its outlines: Beleaguered Castle's rows grow
    // to the right.
    int ExtraWidth = 0;
    int ShiftX = 0;
};

template <typename Allow>
Pile* GameFrame::DropHeld(Rect& dirty, Allow candidate)
{
    if (!DragPile)
        return nullptr;
    Pile& source = *DragPile->Source;
    Pile* target = BestOverlap(Rect::At(DragPile->X, DragPile->Y, CardWidth, CardHeight), &source, candidate);
    Pile& landing = target ? *target : source;
    if (target)
        PlayWave("DOWN.WAV");
    dirty.Unite(DragPile->Bounds);
    DragPile->MoveAllOnto(landing);
    dirty.Unite(landing.Bounds);
    DragPile.reset();
    return target;
}

template <typename Allow>
Pile* GameFrame::BestOverlap(const Rect& probe, const Pile* source, Allow candidate) const
{
    Pile* target = nullptr;
    long long best = 0;
    for (const auto& pile : Piles) {
        if (pile.get() == source || !candidate(*pile))
            continue;
        const Rect common = probe.Intersected(pile->Bounds);
        const long long area = (long long)common.Width() * common.Height();
        if (!common.IsEmpty() && area >= best) {
            best = area;
            target = pile.get();
        }
    }
    return target;
}

template <typename Counted>
int GameFrame::EmptyUntilOccupied(Counted counted) const
{
    int empty = 0;
    for (const auto& pile : Piles) {
        if (!counted(*pile))
            continue;
        if (!pile->IsEmpty())
            break;
        ++empty;
    }
    return empty;
}

} // namespace tollmere
