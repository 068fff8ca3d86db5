#include "frame.h"

#include <table/animation.h>
#include <table/tablesurface.h>

#include <set>

namespace quenby {

namespace {

// Cards that drifted off their piles (the carousel turns over a dealt game
// after Ctrl+N) are snapped back by whichever move lays their pile out again,
// and that move knows only the pile's new rectangle: for the length of one
// mouse operation, the places every moved card left are repainted too.
class RepaintPlacesLeft {
public:
    explicit RepaintPlacesLeft(TableState& table) : table_(table)
    {
        before_.reserve(std::size_t(table.PaintList.Count()));
        for (Card* card : table.PaintList)
            before_.push_back({card, card->Bounds});
    }
    ~RepaintPlacesLeft()
    {
        for (const auto& [card, was] : before_)
            if (!(card->Bounds == was))
                table_.DirtyRect.Unite(was);
        Q_ASSERT(HoldsWholeDeck(table_));
    }
    RepaintPlacesLeft(const RepaintPlacesLeft&) = delete;
    RepaintPlacesLeft& operator=(const RepaintPlacesLeft&) = delete;

private:
    TableState& table_;
    std::vector<std::pair<Card*, Rect>> before_;
};

// The one place a game id becomes a game.
void MakeGame(GameObject& game, GameId id)
{
    switch (id) {
    case GameId::AuldLangSyne: game.emplace<AuldLangSyneGame>(); return;
    case GameId::Canfield: game.emplace<CanfieldGame>(); return;
    case GameId::MagicCarpet: game.emplace<MagicCarpetGame>(); return;
    case GameId::FlowerGarden: game.emplace<FlowerGardenGame>(); return;
    case GameId::Klondike: game.emplace<KlondikeGame>(); return;
    case GameId::LittleSpider: game.emplace<LittleSpiderGame>(); return;
    case GameId::Osmosis: game.emplace<OsmosisGame>(); return;
    case GameId::GranniesClock: game.emplace<GranniesClockGame>(); return;
    case GameId::None: game = std::monostate{}; return;
    }
}

// One mouse operation on the game in play; none while no game is dealt.
template <class Operation>
void OnMouse(TableState& table, Operation operation)
{
    const RepaintPlacesLeft placesLeft(table);
    std::visit(
        [&](auto& game) {
            if constexpr (IsGame<decltype(game)>)
                operation(game);
        },
        table.GameTable.Game);
}

} // namespace

void NewGame(TableState& table, GameId id)
{
    GameTable& game = table.GameTable;
    game.Won = 0;
    // A card still held after a release outside the window goes with the old
    // game object.
    game.Game = std::monostate{};
    game.GameId = id;
    table.PaintList.RemoveAll();
    game.Stock.NewDeck(table.SoundOn != 0, table.Generator);
    game.Piles.DeleteAll();
    MakeGame(game.Game, id);
    DrawBackground(table);
    std::visit(
        [&](auto& play) {
            if constexpr (IsGame<decltype(play)>) {
                CreatePiles(table, play.Layout);
                play.Deal(table);
                Relayout(table);
            }
        },
        game.Game);
    Q_ASSERT(HoldsWholeDeck(table));
}

void Relayout(TableState& table)
{
    std::visit(
        [&](auto& game) {
            if constexpr (IsGame<decltype(game)>) {
                PlacePiles(table, game.Layout);
                // Fanned piles are fanned again at their new places.
                if constexpr (requires { game.Refan(table); })
                    game.Refan(table);
            } else {
                CarouselLayout(table);
            }
        },
        table.GameTable.Game);
    Q_ASSERT(HoldsWholeDeck(table));
}

void PickUp(TableState& table, int x, int y)
{
    OnMouse(table, [&](auto& game) { game.PickUp(table, x, y); });
}

void Drag(TableState& table, int x, int y)
{
    OnMouse(table, [&](auto& game) { game.Drag(table, x, y); });
}

void Drop(TableState& table, int x, int y)
{
    OnMouse(table, [&](auto& game) {
        if constexpr (requires { game.Drop(table, x, y); })
            game.Drop(table, x, y);
        else // the plain drop: onto the best pile that accepts the card, or back
            DropHeld(table, game.Held, [&](const Pile& pile) { return game.Accepts(pile, *game.Held); });
    });
}

std::vector<Card*> HeldCards(const GameObject& game)
{
    std::vector<Card*> held;
    std::visit(
        [&](const auto& play) {
            if constexpr (requires { play.Held; }) {
                if (play.Held)
                    held.push_back(play.Held.get());
            } else if constexpr (requires { play.Hand; }) {
                if (play.Hand)
                    held.insert(held.end(), play.Hand->Cards.begin(), play.Hand->Cards.end());
            }
        },
        game);
    return held;
}

namespace {

// How the held card or the Hand is held: its top-left corner, the grab
// offset and the pile it came from.
struct Grip {
    QPoint corner;
    QPoint offset;
    const Pile* from;
};
std::optional<Grip> GripOf(const GameObject& game)
{
    std::optional<Grip> grip;
    std::visit(
        [&](const auto& play) {
            if constexpr (requires { play.Held; }) {
                if (play.Held)
                    grip = Grip{{play.Held->Left(), play.Held->Top()}, play.Held->GrabOffset, play.Held->ReturnPile};
            } else if constexpr (requires { play.Hand; }) {
                if (play.Hand)
                    grip = Grip{{play.Hand->Bounds.left, play.Hand->Bounds.top}, play.Hand->GrabOffset,
                                play.Hand->ReturnPile};
            }
        },
        game);
    return grip;
}

} // namespace

std::optional<QPoint> HeldGrabOffset(const GameObject& game)
{
    const auto grip = GripOf(game);
    return grip ? std::optional<QPoint>(grip->offset) : std::nullopt;
}

std::optional<QPoint> HeldPointer(const GameObject& game)
{
    const auto grip = GripOf(game);
    return grip ? std::optional<QPoint>(grip->corner + grip->offset) : std::nullopt;
}

const Pile* HeldReturnPile(const GameObject& game)
{
    const auto grip = GripOf(game);
    return grip ? grip->from : nullptr;
}

bool HoldsWholeDeck(const TableState& table)
{
    // No game, no deck to account for: the carousel shows the stock's cards.
    if (std::holds_alternative<std::monostate>(table.GameTable.Game))
        return true;
    std::vector<const Card*> cards(table.GameTable.Stock.Cards.begin(), table.GameTable.Stock.Cards.end());
    for (const Pile* pile : table.GameTable.Piles)
        cards.insert(cards.end(), pile->Cards.begin(), pile->Cards.end());
    for (const Card* card : HeldCards(table.GameTable.Game))
        cards.push_back(card);
    std::set<int> faces;
    for (const Card* card : cards)
        faces.insert(card->FaceId);
    return cards.size() == 52 && faces.size() == 52;
}

void OneCardGame::Drag(TableState& table, int x, int y) { DragHeld(table, Held, x, y); }

void CreatePiles(TableState& table, const GameLayout& layout)
{
    for (const PileEntry& entry : layout.piles) {
        auto* pile = new Pile(entry.kind);
        pile->PileNumber = entry.number;
        table.GameTable.Piles.AddTail(pile);
    }
}

void PlacePiles(TableState& table, const GameLayout& layout)
{
    const QPoint centre = table.Centre();
    std::size_t index = 0;
    for (Pile* pile : table.GameTable.Piles) {
        if (index == layout.piles.size())
            break;
        const Place place = layout.piles[index].place;
        pile->SetPosition(centre.x() + place.dx, centre.y() + place.dy);
        ++index;
    }
    if (layout.stock)
        table.GameTable.Stock.SetPosition(centre.x() + layout.stock->dx, centre.y() + layout.stock->dy);
}

std::vector<Pile*> PilesOfKind(TableState& table, int kind)
{
    std::vector<Pile*> piles;
    for (Pile* pile : table.GameTable.Piles)
        if (pile->PileKind == kind)
            piles.push_back(pile);
    return piles;
}

Card* DealTo(TableState& table, Pile& pile, bool faceDown)
{
    Card* card = table.GameTable.Stock.TakeTop();
    if (!card)
        return nullptr;
    if (faceDown)
        card->ShowImage(table.CardBackId);
    DealCardTo(table, pile, card);
    return card;
}

void DealAces(TableState& table, int kind)
{
    for (Pile* pile : PilesOfKind(table, kind))
        DealCardTo(table, *pile, table.GameTable.Stock.TakeRank(rank::Ace));
}

void DealCardTo(TableState& table, Pile& pile, Card* card)
{
    pile.AddTop(card);
    table.PaintList.AddTail(card);
    table.DirtyRect.Unite(card->Bounds);
}

int BestOverlap(std::span<const Rect> candidates, const Rect& held, const std::function<bool(int)>& accepts)
{
    int best = -1;
    Rect bestOverlap;
    for (int i = 0; i < int(candidates.size()); ++i) {
        const Rect overlap = candidates[i].Intersected(held);
        if (overlap.IsEmpty())
            continue;
        // An earlier pile keeps the card unless this one overlaps wider or
        // taller.
        if (best >= 0 && bestOverlap.Width() >= overlap.Width() && bestOverlap.Height() >= overlap.Height())
            continue;
        if (accepts(i)) {
            best = i;
            bestOverlap = overlap;
        }
    }
    return best;
}

Pile* FindDropTarget(TableState& table, const Rect& held, const std::function<bool(const Pile&)>& accepts)
{
    // Walks without the list's cursor, so `accepts` may walk the piles itself.
    std::vector<Pile*> piles(table.GameTable.Piles.begin(), table.GameTable.Piles.end());
    std::vector<Rect> rects;
    rects.reserve(piles.size());
    for (const Pile* pile : piles)
        rects.push_back(pile->GetRect());
    const int best = BestOverlap(rects, held, [&](int i) { return accepts(*piles[std::size_t(i)]); });
    return best < 0 ? nullptr : piles[std::size_t(best)];
}

bool HoldTop(TableState& table, Pile& pile, std::unique_ptr<Card>& held, int x, int y)
{
    Card* card = pile.TakeTop();
    if (!card)
        return false;
    Hold(table, pile, card, held, x, y);
    return true;
}

Pile* HoldTopAt(TableState& table, std::unique_ptr<Card>& held, int x, int y,
                const std::function<bool(const Pile&)>& canPickFrom)
{
    for (Pile* pile : table.GameTable.Piles)
        if (canPickFrom(*pile) && pile->GetRect().Contains(x, y) && HoldTop(table, *pile, held, x, y))
            return pile;
    return nullptr;
}

void Hold(TableState& table, Pile& from, Card* card, std::unique_ptr<Card>& held, int x, int y)
{
    card->ReturnPile = &from;
    card->GrabOffset = QPoint(x - card->Left(), y - card->Top());
    table.PaintList.MoveToTail(card);
    table.DirtyRect.Unite(card->Bounds);
    held.reset(card);
    table.PlaySound("UP.WAV");
}

void DragHeld(TableState& table, const std::unique_ptr<Card>& held, int x, int y)
{
    if (!held)
        return;
    table.DirtyRect = held->Bounds;
    held->MoveTo(x - held->GrabOffset.x(), y - held->GrabOffset.y());
    table.DirtyRect.Unite(held->Bounds);
}

void PlaceHeld(TableState& table, std::unique_ptr<Card>& held, Pile& target)
{
    table.DirtyRect.Unite(held->Bounds);
    Card* card = held.release();
    target.AddTop(card);
    table.DirtyRect.Unite(card->Bounds);
    table.PlaySound("DOWN.WAV");
}

void ReturnHeld(TableState& table, std::unique_ptr<Card>& held, const std::function<void(Pile&)>& refan)
{
    table.DirtyRect.Unite(held->Bounds);
    Card* card = held.release();
    Pile& pile = *card->ReturnPile;
    pile.AddTop(card);
    if (refan)
        refan(pile);
    table.DirtyRect.Unite(card->Bounds);
    table.DirtyRect.Unite(pile.GetRect());
    table.PlaySound("DOWN.WAV");
}

bool ReturnIfHeld(TableState& table, std::unique_ptr<Card>& held, const std::function<void(Pile&)>& refan)
{
    if (!held)
        return false;
    ReturnHeld(table, held, refan);
    return true;
}

Pile* DropHeld(TableState& table, std::unique_ptr<Card>& held, const std::function<bool(const Pile&)>& accepts,
               const std::function<void(Pile&)>& refan)
{
    if (!held)
        return nullptr;
    Pile* target = FindDropTarget(table, held->Bounds, accepts);
    if (target)
        PlaceHeld(table, held, *target);
    else
        ReturnHeld(table, held, refan);
    return target;
}

void DealToEach(TableState& table, const std::function<bool(const Pile&)>& receives)
{
    if (table.GameTable.Stock.Count() > 0)
        table.PlaySound("UP.WAV");
    for (Pile* pile : table.GameTable.Piles)
        if (receives(*pile) && !DealTo(table, *pile))
            break;
    EndStockClick(table);
}

void PickUpOrDeal(TableState& table, std::unique_ptr<Card>& held, int x, int y,
                  const std::function<bool(const Pile&)>& receives, const std::function<bool(const Pile&)>& gives)
{
    if (ReturnIfHeld(table, held))
        return;
    if (table.GameTable.Stock.GetRect().Contains(x, y))
        DealToEach(table, receives);
    else
        HoldTopAt(table, held, x, y, gives);
}

void EndStockClick(TableState& table)
{
    DrawBackground(table);
    table.DirtyRect.Unite(table.GameTable.Stock.GetRect());
}

void DealThreeOrTurnBack(TableState& table, Pile& waste)
{
    Stock& stock = table.GameTable.Stock;
    int dealt = 0;
    while (dealt < 3) {
        Card* card = stock.TakeTop();
        if (!card)
            break;
        DealCardTo(table, waste, card);
        ++dealt;
    }
    if (dealt == 0) {
        // The waste's bottom card becomes the stock's top, so the next pass
        // deals in the same order.
        table.DirtyRect.Unite(waste.GetRect());
        while (Card* card = waste.TakeTop()) {
            table.PaintList.Remove(card);
            stock.AddTop(card);
        }
        table.PlaySound("SHUFFLE.WAV");
    } else {
        table.PlaySound("UP.WAV");
    }
    EndStockClick(table);
}

} // namespace quenby
