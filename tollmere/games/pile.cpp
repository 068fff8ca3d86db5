#include "pile.h"

#include "codes.h"

#include <algorithm>

namespace tollmere {

Pile::Pile(int kind, int fanRule, int homeX, int homeY)
    : Kind(kind), FanRule(fanRule), HomeX(homeX), HomeY(homeY), X(homeX), Y(homeY),
      Bounds(Rect::At(homeX, homeY, CardWidth, CardHeight))
{
}

QPoint Pile::Slot(int n) const
{
    switch (FanRule) {
    case fan::Down: return {X, Y + fan::DownStep * (n - 1)};
    case fan::Right: return {X + fan::RightStep * (n - 1), Y};
    default: return {X, Y};
    }
}

Rect Pile::Exposed(int index) const
{
    const Rect& r = Cards[std::size_t(index)]->Bounds;
    if (index + 1 == Count())
        return r;
    switch (FanRule) {
    case fan::Down: return {r.left, r.top, r.right, r.top + fan::DownStep};
    case fan::Right: return {r.left, r.top, r.left + fan::RightStep, r.bottom};
    default: return r;
    }
}

void Pile::Place(Card& card, int n) const
{
    const QPoint at = Slot(n);
    card.MoveTo(at.x(), at.y());
}

void Pile::PlaceAll()
{
    for (int i = 0; i < Count(); ++i)
        Place(*Cards[std::size_t(i)], i + 1);
}

void Pile::AddTop(Card& card)
{
    Cards.push_back(&card);
    Place(card, Count());
    card.InPile = true;
    Bounds.Unite(card.Bounds);
}

void Pile::AddBottom(Card& card)
{
    Cards.insert(Cards.begin(), &card);
    Place(card, Count());
    card.InPile = true;
    Bounds.Unite(card.Bounds);
}

void Pile::SetPosition(int x, int y)
{
    X = x;
    Y = y;
    PlaceAll();
}

void Pile::RecomputeRect()
{
    Bounds = Rect::At(X, Y, CardWidth, CardHeight);
    if (const Card* top = Top())
        Bounds.Unite(top->Bounds);
}

void Pile::Remove(Card& card)
{
    const auto at = std::find(Cards.begin(), Cards.end(), &card);
    if (at == Cards.end())
        return;
    Cards.erase(at);
    card.InPile = false;
}

void Pile::RemoveAll()
{
    for (Card* card : Cards)
        card->InPile = false;
    Cards.clear();
}

void Pile::TurnAllUp()
{
    for (Card* card : Cards)
        card->FaceUp = 1;
}

void Pile::TurnAllDown()
{
    for (Card* card : Cards)
        card->FaceUp = 0;
}

void Pile::MoveAllOnto(Pile& target)
{
    for (Card* card : Cards)
        target.AddTop(*card);
    Cards.clear();
}

void Pile::MoveAllUnder(Pile& target)
{
    for (Card* card : Cards)
        target.AddBottom(*card);
    Cards.clear();
}

} // namespace tollmere
