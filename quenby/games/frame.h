#pragma once
// What the eight games share: starting a game, laying it out again, the three
// mouse operations dispatched by game, and the pieces every game's moves are
// made of (holding one card, returning it, the overlap search, the stock click).
#include "gamebase.h"

#include <table/gameid.h>
#include <table/tablestate.h>

#include <functional>
#include <memory>
#include <optional>
#include <span>
#include <vector>

namespace quenby {

// Throws the old table away, shuffles a new deck ("SHUFFLE.WAV"), draws the
// background of `id` and creates and deals its piles.
void NewGame(TableState& table, GameId id);
// Gives every pile its place for the current ClientSize again (or lays the
// carousel out when no game is dealt).
void Relayout(TableState& table);
void PickUp(TableState& table, int x, int y);
void Drag(TableState& table, int x, int y);
void Drop(TableState& table, int x, int y);
// Every card of the deck in exactly one place: a pile, the stock or the
// game's hold. The verbs assert it after each call in debug builds.
bool HoldsWholeDeck(const TableState& table);
// The cards the game in play holds (its Held card or Klondike's Hand), top
// first.
std::vector<Card*> HeldCards(const GameObject& game);
// Where the pointer holding them grabbed the held cards, from their top-left
// corner, and where that pointer now is; nullopt when nothing is held.
std::optional<QPoint> HeldGrabOffset(const GameObject& game);
std::optional<QPoint> HeldPointer(const GameObject& game);
// The pile the held cards go back to; null when nothing is held.
const Pile* HeldReturnPile(const GameObject& game);

// The game's piles, created and appended to the pile list in layout order.
void CreatePiles(TableState& table, const GameLayout& layout);
// Each pile, in creation order, at the place of the same index, and the
// stock at its place; a pile's cards move with it.
void PlacePiles(TableState& table, const GameLayout& layout);
// The piles of `kind`, in creation order.
std::vector<Pile*> PilesOfKind(TableState& table, int kind);
// Takes the stock's top card onto `pile`, painted over what was dealt before;
// face down when asked. Returns the card, null when the stock is empty.
Card* DealTo(TableState& table, Pile& pile, bool faceDown = false);
// The Aces nearest the stock's top, in order, one onto each pile of `kind`:
// the shuffle decides the suits.
void DealAces(TableState& table, int kind);
// Puts an already taken card on `pile`, appends it to the paint order and
// marks it dirty.
void DealCardTo(TableState& table, Pile& pile, Card* card);

// The best-overlap rule: among the candidates (in pile order) that `accepts`,
// the one whose overlap with `held` is first found; a later one replaces it
// only when its overlap is wider or taller. -1 when none.
int BestOverlap(std::span<const Rect> candidates, const Rect& held, const std::function<bool(int)>& accepts);
// The same over the table's piles.
Pile* FindDropTarget(TableState& table, const Rect& held, const std::function<bool(const Pile&)>& accepts);

// Takes the top card of `pile` into `held`: the pile becomes its ReturnPile,
// the grab offset is kept, the card is painted on top, "UP.WAV". False (and
// nothing done) when the pile is empty.
bool HoldTop(TableState& table, Pile& pile, std::unique_ptr<Card>& held, int x, int y);
// HoldTop on the first pile, in pile order, that `canPickFrom` allows, whose
// rectangle contains (x, y) and which has a card. Returns that pile, null when
// nothing was taken.
Pile* HoldTopAt(TableState& table, std::unique_ptr<Card>& held, int x, int y,
                const std::function<bool(const Pile&)>& canPickFrom);
// Makes an already removed card the held card, as HoldTop does.
void Hold(TableState& table, Pile& from, Card* card, std::unique_ptr<Card>& held, int x, int y);
// The held card, if any, follows the pointer.
void DragHeld(TableState& table, const std::unique_ptr<Card>& held, int x, int y);
// Lays the held card on top of `target` and plays "DOWN.WAV".
void PlaceHeld(TableState& table, std::unique_ptr<Card>& held, Pile& target);
// Sends the held card back to the top of its ReturnPile with "DOWN.WAV";
// `refan` re-fans that pile for games that fan it.
void ReturnHeld(TableState& table, std::unique_ptr<Card>& held,
                const std::function<void(Pile&)>& refan = {});
// A press while a card is still held (its release fell outside the window)
// does nothing but send that card back (ReturnHeld). True when it did.
bool ReturnIfHeld(TableState& table, std::unique_ptr<Card>& held, const std::function<void(Pile&)>& refan = {});
// The drop of a single held card: onto the pile the overlap rule finds among
// those that `accepts` (PlaceHeld), or back where it came from (ReturnHeld with
// `refan`). Returns the pile it went to, null when it went back or nothing was
// held.
Pile* DropHeld(TableState& table, std::unique_ptr<Card>& held, const std::function<bool(const Pile&)>& accepts,
               const std::function<void(Pile&)>& refan = {});

// The stock click of the games that never turn the waste back: one card onto
// each pile that `receives`, in pile order, while the stock lasts, with
// "UP.WAV" when it gives any; it ends the click itself (EndStockClick).
void DealToEach(TableState& table, const std::function<bool(const Pile&)>& receives);
// The whole pick-up of the games whose stock deals one card onto each of
// some piles: a press while a card is held only returns it; a press on the
// stock deals onto each pile that `receives` (DealToEach); any other takes
// the top card of the first pile under the point that `gives` (HoldTopAt).
void PickUpOrDeal(TableState& table, std::unique_ptr<Card>& held, int x, int y,
                  const std::function<bool(const Pile&)>& receives, const std::function<bool(const Pile&)>& gives);
// Ends every stock click: the background is drawn again (the stock place may
// have become an outline) and the stock's place is repainted.
void EndStockClick(TableState& table);
// The whole stock click of the three-card games: up to three cards to `waste`
// ("UP.WAV"), or, when the stock is empty, the waste turned back into the
// stock ("SHUFFLE.WAV"); it ends the click itself (EndStockClick).
void DealThreeOrTurnBack(TableState& table, Pile& waste);

} // namespace quenby
