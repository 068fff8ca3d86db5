#include "keyplay.h"

#include "frame.h"

#include <QCoreApplication>

namespace quenby {

namespace {

QPoint CentreOf(const Rect& r) { return {(r.left + r.right) / 2, (r.top + r.bottom) / 2}; }

// The places' names: a role's piles numbered in creation order, or by their
// PileNumber, and a role of one pile not numbered.
void NamePiles(std::vector<TablePlace>& places, std::size_t first, std::span<const PileRole> roles)
{
    std::size_t index = first;
    for (const PileRole& role : roles)
        for (int n = 1; n <= role.count && index < places.size(); ++n, ++index) {
            TablePlace& place = places[index];
            const QString name = QCoreApplication::translate("quenby", role.name);
            const int number = role.byNumber ? place.pile->PileNumber : n;
            if (role.count == 1 && !role.byNumber)
                place.name = name;
            else
                //: A pile's name and its number, as in "Column 3".
                place.name = QCoreApplication::translate("quenby", "%1 %2").arg(name).arg(number);
            place.fan = role.fan;
        }
}

// The nearest place in a direction, by the places' first-card rectangles: a
// place counts only when it lies that way; going across costs twice going
// along. -1 when none lies that way.
int Nearest(const std::vector<TablePlace>& places, int from, int key)
{
    const QPoint at = CentreOf(places[std::size_t(from)].first);
    int best = -1;
    int bestCost = 0;
    for (int i = 0; i < int(places.size()); ++i) {
        const QPoint d = CentreOf(places[std::size_t(i)].first) - at;
        int along = 0;
        int across = 0;
        switch (key) {
        case Qt::Key_Left: along = -d.x(), across = d.y(); break;
        case Qt::Key_Right: along = d.x(), across = d.y(); break;
        case Qt::Key_Up: along = -d.y(), across = d.x(); break;
        default: along = d.y(), across = d.x(); break;
        }
        if (along <= 0)
            continue;
        const int cost = along + 2 * std::abs(across);
        if (best < 0 || cost < bestCost) {
            best = i;
            bestCost = cost;
        }
    }
    return best;
}

bool Along(Fan fan, int key)
{
    if (fan == Fan::Down)
        return key == Qt::Key_Up || key == Qt::Key_Down;
    if (fan == Fan::Right)
        return key == Qt::Key_Left || key == Qt::Key_Right;
    return false;
}

// Where a press lifts what the focus names: the focused card's visible part,
// a fan's top card, or the middle of the place (where the cards lie even
// while the carousel has drifted them off it).
QPoint PressPoint(const TablePlace& place, int card)
{
    if (place.pile && card >= 0)
        return CentreOf(VisibleParts(*place.pile, place.fan)[std::size_t(card)]);
    if (place.pile && place.fan != Fan::None && place.pile->Top())
        return CentreOf(place.pile->Top()->Bounds);
    return CentreOf(place.rect);
}

} // namespace

std::vector<TablePlace> TablePlaces(const TableState& table)
{
    std::vector<TablePlace> places;
    std::visit(
        [&](const auto& game) {
            if constexpr (IsGame<decltype(game)>) {
                if (game.Layout.stock) {
                    const Rect stock = table.GameTable.Stock.GetRect();
                    const QString name = QCoreApplication::translate("quenby", "Stock");
                    places.push_back({name, nullptr, Fan::None, stock, stock});
                }
                const std::size_t first = places.size();
                for (const Pile* pile : table.GameTable.Piles)
                    places.push_back({{}, pile, Fan::None, pile->GetRect(),
                                      Rect::At(pile->Bounds.left, pile->Bounds.top, CardWidth, CardHeight)});
                NamePiles(places, first, game.Layout.roles);
            }
        },
        table.GameTable.Game);
    return places;
}

std::vector<Rect> VisibleParts(const Pile& pile, Fan fan)
{
    std::vector<const Card*> cards(pile.Cards.begin(), pile.Cards.end());
    std::vector<Rect> parts;
    for (auto card = cards.rbegin(); card != cards.rend(); ++card) {
        Rect part = (*card)->Bounds;
        if (card + 1 != cards.rend()) {
            const Rect& above = (*(card + 1))->Bounds;
            if (fan == Fan::Down)
                part.bottom = std::min(part.bottom, above.top);
            else
                part.right = std::min(part.right, above.left);
            if (part.IsEmpty())
                part = {};
        }
        parts.push_back(part);
    }
    return parts;
}

void KeyPlay::Reset()
{
    focus_ = {};
    RingShown = false;
}

KeyPlay::Focus KeyPlay::Current(const TableState& table) const
{
    const std::vector<TablePlace> places = TablePlaces(table);
    if (places.empty())
        return {-1, 0};
    Focus focus = focus_;
    focus.place = std::clamp(focus.place, 0, int(places.size()) - 1);
    const TablePlace& place = places[std::size_t(focus.place)];
    if (place.fan == Fan::None || !place.pile) {
        focus.fromTop = 0;
        return focus;
    }
    const std::vector<Rect> parts = VisibleParts(*place.pile, place.fan);
    const int index = int(parts.size()) - 1 - focus.fromTop;
    if (index < 0 || parts[std::size_t(index)].IsEmpty())
        focus.fromTop = 0;
    return focus;
}

int KeyPlay::FocusedCard(const TableState& table) const
{
    const Focus focus = Current(table);
    if (focus.place < 0)
        return -1;
    const TablePlace place = TablePlaces(table)[std::size_t(focus.place)];
    if (place.fan == Fan::None || !place.pile || place.pile->Count() == 0)
        return -1;
    return place.pile->Count() - 1 - focus.fromTop;
}

Rect KeyPlay::RingBounds(const TableState& table) const
{
    const Focus focus = Current(table);
    if (!RingShown || focus.place < 0)
        return {};
    const TablePlace place = TablePlaces(table)[std::size_t(focus.place)];
    const int card = FocusedCard(table);
    // A card below the top one: the strip of it that shows.
    const Rect around = card >= 0 && focus.fromTop > 0 ? VisibleParts(*place.pile, place.fan)[std::size_t(card)]
                                                       : place.rect;
    const int out = RingGap + RingWidth;
    return {around.left - out, around.top - out, around.right + out, around.bottom + out};
}

std::optional<std::vector<MouseStep>> KeyPlay::Move(const TableState& table, int place)
{
    focus_ = {place, 0};
    const std::optional<QPoint> grab = HeldGrabOffset(table.GameTable.Game);
    if (!grab)
        return std::vector<MouseStep>{};
    // The held cards are carried over a fan's top card, or the place, as a
    // drag there would lay them.
    const TablePlace target = TablePlaces(table)[std::size_t(place)];
    const Card* top = target.pile && target.fan != Fan::None ? target.pile->Top() : nullptr;
    const QPoint corner = top ? QPoint(top->Left(), top->Top()) : QPoint(target.rect.left, target.rect.top);
    return std::vector<MouseStep>{{MouseStep::Is::Move, corner + *grab}};
}

std::optional<std::vector<MouseStep>> KeyPlay::Key(const TableState& table, int key, bool shift)
{
    const std::vector<TablePlace> places = TablePlaces(table);
    if (places.empty())
        return std::nullopt;
    focus_ = Current(table);
    const int count = int(places.size());
    const TablePlace& here = places[std::size_t(focus_.place)];
    const std::optional<QPoint> holding = HeldPointer(table.GameTable.Game);
    switch (key) {
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Up:
    case Qt::Key_Down: {
        if (shift && !holding && here.pile && Along(here.fan, key)) {
            // Toward the top card: down a downward fan, right along a
            // rightward one.
            const bool towardTop = key == Qt::Key_Down || key == Qt::Key_Right;
            const std::vector<Rect> parts = VisibleParts(*here.pile, here.fan);
            for (int step = focus_.fromTop + (towardTop ? -1 : 1); step >= 0 && step < int(parts.size());
                 step += towardTop ? -1 : 1)
                if (!parts[parts.size() - 1 - std::size_t(step)].IsEmpty()) {
                    focus_.fromTop = step;
                    break;
                }
            return std::vector<MouseStep>{};
        }
        const int next = Nearest(places, focus_.place, key);
        return next < 0 ? std::vector<MouseStep>{} : Move(table, next);
    }
    case Qt::Key_Tab: return Move(table, (focus_.place + 1) % count);
    case Qt::Key_Backtab: return Move(table, (focus_.place + count - 1) % count);
    case Qt::Key_Space:
    case Qt::Key_Return:
    case Qt::Key_Enter: {
        if (holding)
            return std::vector<MouseStep>{{MouseStep::Is::Release, *holding}};
        const int card = FocusedCard(table);
        const QPoint at = PressPoint(here, focus_.fromTop > 0 ? card : -1);
        // The stock is clicked; anything else is lifted and stays held.
        if (!here.pile)
            return std::vector<MouseStep>{{MouseStep::Is::Press, at}, {MouseStep::Is::Release, at}};
        return std::vector<MouseStep>{{MouseStep::Is::Press, at}};
    }
    case Qt::Key_Escape:
        // A press while cards are held sends them back.
        if (holding)
            return std::vector<MouseStep>{{MouseStep::Is::Press, *holding}};
        return std::nullopt;
    default: return std::nullopt;
    }
}

} // namespace quenby
