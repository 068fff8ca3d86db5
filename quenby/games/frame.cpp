#include "frame.h"

#include <table/animation.h>
#include <table/tablesurface.h>

namespace quenby {

namespace {

template <class Game>
Game& The(TableState& table)
{
    return std::get<Game>(table.GameTable.Game);
}

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
    }
    RepaintPlacesLeft(const RepaintPlacesLeft&) = delete;
    RepaintPlacesLeft& operator=(const RepaintPlacesLeft&) = delete;

private:
    TableState& table_;
    std::vector<std::pair<Card*, Rect>> before_;
};

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
    DrawBackground(table);
    switch (id) {
    case GameId::AuldLangSyne: game.Game.emplace<AuldLangSyneGame>().Deal(table); break;
    case GameId::Canfield: game.Game.emplace<CanfieldGame>().Deal(table); break;
    case GameId::MagicCarpet: game.Game.emplace<MagicCarpetGame>().Deal(table); break;
    case GameId::FlowerGarden: game.Game.emplace<FlowerGardenGame>().Deal(table); break;
    case GameId::Klondike: game.Game.emplace<KlondikeGame>().Deal(table); break;
    case GameId::LittleSpider: game.Game.emplace<LittleSpiderGame>().Deal(table); break;
    case GameId::Osmosis: game.Game.emplace<OsmosisGame>().Deal(table); break;
    case GameId::GranniesClock: game.Game.emplace<GranniesClockGame>().Deal(table); break;
    case GameId::None: break;
    }
}

void Relayout(TableState& table)
{
    switch (table.GameTable.GameId) {
    case GameId::AuldLangSyne: The<AuldLangSyneGame>(table).Relayout(table); break;
    case GameId::Canfield: The<CanfieldGame>(table).Relayout(table); break;
    case GameId::MagicCarpet: The<MagicCarpetGame>(table).Relayout(table); break;
    case GameId::FlowerGarden: The<FlowerGardenGame>(table).Relayout(table); break;
    case GameId::Klondike: The<KlondikeGame>(table).Relayout(table); break;
    case GameId::LittleSpider: The<LittleSpiderGame>(table).Relayout(table); break;
    case GameId::Osmosis: The<OsmosisGame>(table).Relayout(table); break;
    case GameId::GranniesClock: The<GranniesClockGame>(table).Relayout(table); break;
    case GameId::None: CarouselLayout(table); break;
    }
}

void PickUp(TableState& table, int x, int y)
{
    const RepaintPlacesLeft placesLeft(table);
    switch (table.GameTable.GameId) {
    case GameId::AuldLangSyne: The<AuldLangSyneGame>(table).PickUp(table, x, y); break;
    case GameId::Canfield: The<CanfieldGame>(table).PickUp(table, x, y); break;
    case GameId::MagicCarpet: The<MagicCarpetGame>(table).PickUp(table, x, y); break;
    case GameId::FlowerGarden: The<FlowerGardenGame>(table).PickUp(table, x, y); break;
    case GameId::Klondike: The<KlondikeGame>(table).PickUp(table, x, y); break;
    case GameId::LittleSpider: The<LittleSpiderGame>(table).PickUp(table, x, y); break;
    case GameId::Osmosis: The<OsmosisGame>(table).PickUp(table, x, y); break;
    case GameId::GranniesClock: The<GranniesClockGame>(table).PickUp(table, x, y); break;
    case GameId::None: break;
    }
}

void Drag(TableState& table, int x, int y)
{
    const RepaintPlacesLeft placesLeft(table);
    switch (table.GameTable.GameId) {
    case GameId::AuldLangSyne: The<AuldLangSyneGame>(table).Drag(table, x, y); break;
    case GameId::Canfield: The<CanfieldGame>(table).Drag(table, x, y); break;
    case GameId::MagicCarpet: The<MagicCarpetGame>(table).Drag(table, x, y); break;
    case GameId::FlowerGarden: The<FlowerGardenGame>(table).Drag(table, x, y); break;
    case GameId::Klondike: The<KlondikeGame>(table).Drag(table, x, y); break;
    case GameId::LittleSpider: The<LittleSpiderGame>(table).Drag(table, x, y); break;
    case GameId::Osmosis: The<OsmosisGame>(table).Drag(table, x, y); break;
    case GameId::GranniesClock: The<GranniesClockGame>(table).Drag(table, x, y); break;
    case GameId::None: break;
    }
}

void Drop(TableState& table, int x, int y)
{
    const RepaintPlacesLeft placesLeft(table);
    switch (table.GameTable.GameId) {
    case GameId::AuldLangSyne: The<AuldLangSyneGame>(table).Drop(table, x, y); break;
    case GameId::Canfield: The<CanfieldGame>(table).Drop(table, x, y); break;
    case GameId::MagicCarpet: The<MagicCarpetGame>(table).Drop(table, x, y); break;
    case GameId::FlowerGarden: The<FlowerGardenGame>(table).Drop(table, x, y); break;
    case GameId::Klondike: The<KlondikeGame>(table).Drop(table, x, y); break;
    case GameId::LittleSpider: The<LittleSpiderGame>(table).Drop(table, x, y); break;
    case GameId::Osmosis: The<OsmosisGame>(table).Drop(table, x, y); break;
    case GameId::GranniesClock: The<GranniesClockGame>(table).Drop(table, x, y); break;
    case GameId::None: break;
    }
}

Pile& AddPile(TableState& table, int kind)
{
    auto* pile = new Pile(kind);
    table.GameTable.Piles.AddTail(pile);
    return *pile;
}

void PlacePiles(TableState& table, std::span<const Place> places)
{
    const QPoint centre = table.Centre();
    std::size_t index = 0;
    for (Pile* pile : table.GameTable.Piles) {
        if (index == places.size())
            break;
        pile->SetPosition(centre.x() + places[index].dx, centre.y() + places[index].dy);
        ++index;
    }
}

void PlaceStock(TableState& table, Place place)
{
    const QPoint centre = table.Centre();
    table.GameTable.Stock.SetPosition(centre.x() + place.dx, centre.y() + place.dy);
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
