#include "tablereader.h"

#include <games/frame.h>

#include <QCoreApplication>

namespace quenby {

namespace {

QString Tr(const char* text) { return QCoreApplication::translate("quenby", text); }

// Everything the table says after a move, in one place for translation.
namespace say {
QString Moved(const Card& card, const QString& pile)
{
    return Tr(QT_TRANSLATE_NOOP("quenby", "%1 to %2")).arg(NameOf(card), pile);
}
QString Refused(const Card& card)
{
    return Tr(QT_TRANSLATE_NOOP("quenby", "Not allowed: the %1 went back")).arg(NameOf(card));
}
QString Returned(const Card& card) { return Tr(QT_TRANSLATE_NOOP("quenby", "The %1 went back")).arg(NameOf(card)); }
QString Holding(const Card& card, int more)
{
    return more == 0 ? Tr(QT_TRANSLATE_NOOP("quenby", "Holding the %1")).arg(NameOf(card))
                     : Tr(QT_TRANSLATE_NOOP("quenby", "Holding the %1 and %2 more")).arg(NameOf(card)).arg(more);
}
QString Dealt(int cards)
{
    return cards == 1 ? Tr(QT_TRANSLATE_NOOP("quenby", "1 card dealt"))
                      : Tr(QT_TRANSLATE_NOOP("quenby", "%1 cards dealt")).arg(cards);
}
QString TurnedBack() { return Tr(QT_TRANSLATE_NOOP("quenby", "The Waste turned back into the Stock")); }
QString StockEmpty() { return Tr(QT_TRANSLATE_NOOP("quenby", "The Stock is empty")); }
QString NothingToLift() { return Tr(QT_TRANSLATE_NOOP("quenby", "Nothing to lift here")); }
QString Won() { return Tr(QT_TRANSLATE_NOOP("quenby", "You won!")); }
} // namespace say

platform::CardSuit SuitOf(const Card& card)
{
    switch (card.Suit) {
    case Clubs: return platform::CardSuit::Clubs;
    case Diamonds: return platform::CardSuit::Diamonds;
    case Hearts: return platform::CardSuit::Hearts;
    default: return platform::CardSuit::Spades;
    }
}

// The pile holding `card`, null when it lies on none.
const Pile* PileHolding(const TableState& table, const Card* card)
{
    for (const quenby::Pile* pile : table.GameTable.Piles)
        for (const Card* c : pile->Cards)
            if (c == card)
                return pile;
    return nullptr;
}

} // namespace

QString NameOf(const Card& card) { return platform::CardName(card.Rank, SuitOf(card)); }

int TableReader::PileCount() const { return int(TablePlaces(table_).size()); }

platform::AccessiblePile TableReader::Pile(int index) const
{
    const std::vector<TablePlace> places = TablePlaces(table_);
    if (index < 0 || index >= int(places.size()))
        return {};
    const TablePlace& place = places[std::size_t(index)];
    platform::AccessiblePile pile;
    pile.rect = place.rect.ToQRect();
    if (!place.pile) {
        const int count = table_.GameTable.Stock.Count();
        pile.name = platform::DescribePile(place.name, {}, count, count);
        pile.button = true;
        return pile;
    }
    const int back = table_.CardBackId;
    int faceDown = 0;
    for (const Card* card : place.pile->Cards)
        faceDown += card->IsFaceDown(back) ? 1 : 0;
    const Card* top = place.pile->Top();
    pile.name = platform::DescribePile(place.name, top && !top->IsFaceDown(back) ? NameOf(*top) : QString(),
                                       place.pile->Count(), faceDown);
    if (place.fan != Fan::None) {
        const std::vector<Rect> parts = VisibleParts(*place.pile, place.fan);
        // The pile's list runs top first; the reader's bottom first.
        std::size_t i = parts.size();
        for (const Card* card : place.pile->Cards) {
            const QString name = card->IsFaceDown(back) ? platform::FaceDownCardName() : NameOf(*card);
            pile.cards.insert(pile.cards.begin(), {name, parts[--i].ToQRect()});
        }
    }
    return pile;
}

TableReader::Focus TableReader::KeyFocus() const
{
    const KeyPlay::Focus focus = keys_.Current(table_);
    return {focus.place, focus.place < 0 ? -1 : keys_.FocusedCard(table_)};
}

TableReader::Moment TableReader::Now() const
{
    Moment moment;
    for (int i = 0; i < PileCount(); ++i)
        moment.names.push_back(Pile(i).name);
    for (const Card* card : HeldCards(table_.GameTable.Game))
        moment.held.push_back(card);
    moment.from = HeldReturnPile(table_.GameTable.Game);
    moment.stock = table_.GameTable.Stock.Count();
    moment.won = table_.GameTable.Won;
    return moment;
}

void TableReader::Tell(QWidget* view, const Moment& before, bool press, bool byKey) const
{
    const Moment after = Now();
    std::vector<int> changed;
    for (std::size_t i = 0; i < after.names.size() && i < before.names.size(); ++i)
        if (after.names[i] != before.names[i])
            changed.push_back(int(i));
    if (!changed.empty())
        platform::PilesChanged(view, changed);

    QString line;
    if (after.won == 1 && before.won == 0) {
        line = say::Won();
    } else if (!before.held.empty() && after.held.empty()) {
        // The card that lands: a run's bottom card.
        const Card& card = *before.held.back();
        const quenby::Pile* on = PileHolding(table_, &card);
        if (on == before.from && on && on->Top() == before.held.front())
            line = press ? say::Returned(card) : say::Refused(card);
        else if (on)
            for (const TablePlace& place : TablePlaces(table_))
                if (place.pile == on)
                    line = say::Moved(card, place.name);
    } else if (before.held.empty() && !after.held.empty()) {
        line = say::Holding(*after.held.back(), int(after.held.size()) - 1);
    } else if (after.stock < before.stock) {
        line = say::Dealt(before.stock - after.stock);
    } else if (after.stock > before.stock) {
        line = say::TurnedBack();
    } else if (byKey && press && before.held.empty()) {
        const KeyPlay::Focus focus = keys_.Current(table_);
        const bool onStock = focus.place == 0 && !TablePlaces(table_).front().pile;
        line = onStock ? say::StockEmpty() : say::NothingToLift();
    }
    if (!line.isEmpty())
        platform::Announce(view, line);
}

} // namespace quenby
