#include "frame.h"

#include "codes.h"

#include <platform/sound.h>

#include <cstdlib>

namespace tollmere {

bool SoundOn = true;

void PlayWave(const char* fileName)
{
    if (SoundOn)
        platform::playSound(QString::fromLatin1(fileName));
}

void ShuffleDeck(CardDeck& deck)
{
    PlayWave("SHUFFLE.WAV");
    deck.Shuffle();
}

GameFrame::GameFrame(CardDeck& deck, int dragFan) : Deck(deck), DragFan(dragFan) { ShuffleDeck(Deck); }

// --- Piles and deal ---

std::unique_ptr<Pile> GameFrame::MakePile(int kind, int selector, Place home, int fanRule)
{
    auto pile = std::make_unique<Pile>(kind, fanRule, home.X, home.Y);
    for (const auto& card : Deck.Cards) {
        if (card->InPile)
            continue;
        if (selector == select::All) {
            pile->AddTop(*card);
        } else if (selector != select::None && card->RankCode == selector) {
            pile->AddTop(*card);
            break;
        }
    }
    pile->SetPosition(home.X, home.Y);
    pile->RecomputeRect();
    return pile;
}

Pile& GameFrame::Append(int kind, int selector, Place home, int fanRule)
{
    Piles.push_back(MakePile(kind, selector, home, fanRule));
    return *Piles.back();
}

Pile& GameFrame::InsertFront(int kind, int selector, Place home, int fanRule)
{
    Piles.insert(Piles.begin(), MakePile(kind, selector, home, fanRule));
    return *Piles.front();
}

bool GameFrame::DealTo(Pile& pile, bool faceUp)
{
    Card* card = Deck.NextUndealt();
    if (!card)
        return false;
    pile.AddTop(*card);
    card->FaceUp = faceUp ? 1 : 0;
    return true;
}

// --- Layout ---

void GameFrame::Layout(int width, int height)
{
    if (Piles.empty())
        return;
    Rect extent;
    for (const auto& pile : Piles)
        extent.Unite(Rect::At(pile->X, pile->Y, CardWidth, CardHeight));
    Deck.ExtentWidth = extent.Width() + ExtraWidth;
    Deck.ExtentHeight = extent.Height();
    // Home places start at (0, 0), so this centres the table; C++ division
    // truncates toward zero as the offsets require.
    const int dx = (extent.left - extent.right) / 2 + width / 2 - ShiftX;
    const int dy = (extent.top - extent.bottom) / 2 + height / 2;
    for (const auto& pile : Piles) {
        pile->SetPosition(pile->HomeX + dx, pile->HomeY + dy);
        pile->RecomputeRect();
    }
}

// --- Mouse ---

void GameFrame::ReturnHeld(Rect& dirty)
{
    if (!DragPile)
        return;
    Pile& source = *DragPile->Source;
    dirty.Unite(DragPile->Bounds);
    DragPile->MoveAllOnto(source);
    dirty.Unite(source.Bounds);
    DragPile.reset();
}

Pile* GameFrame::PileUnder(int x, int y) const
{
    for (const auto& pile : Piles)
        if (pile->Contains(x, y))
            return pile.get();
    return nullptr;
}

bool GameFrame::TakeCards(Pile& pile, int x, int y)
{
    if (pile.IsEmpty())
        return false;
    // The first card whose exposed strip holds the point starts the run; the
    // top card is exposed whole.
    std::size_t first = pile.Cards.size() - 1;
    if (pile.FanRule == fan::Down || pile.FanRule == fan::Right) {
        const bool down = pile.FanRule == fan::Down;
        for (std::size_t i = 0; i < pile.Cards.size(); ++i) {
            const Rect& r = pile.Cards[i]->Bounds;
            const Rect strip = down ? Rect{r.left, r.top, r.right, r.top + fan::DownStep}
                                    : Rect{r.left, r.top, r.left + fan::RightStep, r.bottom};
            const bool topCard = down ? r.bottom == pile.Bounds.bottom : r.right == pile.Bounds.right;
            if (strip.Contains(x, y) || topCard) {
                first = i;
                break;
            }
        }
    }
    DragPile = std::make_unique<Pile>(kind::Waste, DragFan, pile.X, pile.Y);
    DragPile->Source = &pile;
    const Rect& start = pile.Cards[first]->Bounds;
    DragPile->SetPosition(start.left, start.top);
    DragPile->Bounds = start;
    for (std::size_t i = first; i < pile.Cards.size(); ++i) {
        pile.Cards[i]->FaceUp = 1;
        DragPile->AddTop(*pile.Cards[i]);
    }
    pile.Cards.resize(first);
    return true;
}

bool GameFrame::TakeAll(Pile& pile)
{
    if (pile.IsEmpty())
        return false;
    DragPile = std::make_unique<Pile>(kind::Waste, DragFan, pile.X, pile.Y);
    DragPile->Source = &pile;
    DragPile->Bounds = pile.Bounds;
    pile.TurnAllUp();
    pile.MoveAllOnto(*DragPile);
    return true;
}

void GameFrame::FinishLift(Rect& dirty, int x, int y, const char* sound)
{
    PlayWave(sound);
    for (Card* card : DragPile->Cards)
        Deck.BringToFront(*card);
    Dx = x - DragPile->Bounds.left;
    Dy = y - DragPile->Bounds.top;
    DragPile->SetPosition(DragPile->Bounds.left, DragPile->Bounds.top);
    DragPile->RecomputeRect();
    dirty.Unite(DragPile->Bounds);
    dirty.Unite(DragPile->Source->Bounds);
    DragPile->Source->RecomputeRect();
}

void GameFrame::PickUp(Rect& dirty, int x, int y)
{
    ReturnHeld(dirty);
    Pile* pile = PileUnder(x, y);
    if (pile && TakeCards(*pile, x, y))
        FinishLift(dirty, x, y, "UP.WAV");
}

void GameFrame::Drag(Rect& dirty, int x, int y)
{
    if (!DragPile)
        return;
    dirty.Unite(DragPile->Bounds);
    DragPile->SetPosition(x - Dx, y - Dy);
    DragPile->RecomputeRect();
    dirty.Unite(DragPile->Bounds);
}

void GameFrame::Drop(Rect& dirty, int, int)
{
    DropHeld(dirty, [](const Pile&) { return true; });
}

void GameFrame::Redeal(Rect& dirty, int& turnCount, int maxTurns)
{
    if (turnCount >= maxTurns || Piles.size() < 2)
        return;
    Pile& stock = *Piles[0];
    Pile& waste = *Piles[1];
    PlayWave("SHUFFLE.WAV");
    ++turnCount;
    waste.MoveAllUnder(stock);
    waste.RecomputeRect();
    stock.RecomputeRect();
    dirty.Unite(waste.Bounds);
    dirty.Unite(stock.Bounds);
    stock.TurnAllDown();
}

void GameFrame::PickUpOrRedeal(Rect& dirty, int x, int y, int& turnCount, int maxTurns, const char* liftSound)
{
    ReturnHeld(dirty);
    Pile* pile = PileUnder(x, y);
    if (!pile)
        return;
    if (pile->Kind == kind::Stock && pile->IsEmpty())
        Redeal(dirty, turnCount, maxTurns);
    else if (TakeCards(*pile, x, y))
        FinishLift(dirty, x, y, liftSound);
}

// --- Keys ---

int GameFrame::Nearest(int from, Heading heading) const
{
    const Rect a = Piles[std::size_t(from)]->CardPlace();
    const bool across = heading == Heading::Left || heading == Heading::Right;
    const int sign = heading == Heading::Right || heading == Heading::Down ? 1 : -1;
    int nearest = from;
    bool nearestInLine = false;
    long long nearestScore = 0;
    for (int i = 0; i < PileCount(); ++i) {
        const Rect b = Piles[std::size_t(i)]->CardPlace();
        // Twice the distances between the centres, to stay in whole pixels.
        const int dx = b.left + b.right - a.left - a.right;
        const int dy = b.top + b.bottom - a.top - a.bottom;
        const long long ahead = sign * (across ? dx : dy);
        if (i == from || ahead <= 0)
            continue;
        const bool inLine = across ? b.top < a.bottom && a.top < b.bottom : b.left < a.right && a.left < b.right;
        const long long score = inLine ? ahead : ahead + 2LL * std::abs(across ? dy : dx);
        if (nearest == from || (inLine && !nearestInLine) || (inLine == nearestInLine && score < nearestScore)) {
            nearest = i;
            nearestInLine = inLine;
            nearestScore = score;
        }
    }
    return nearest;
}

std::optional<QPoint> GameFrame::PressPoint(int index, int card) const
{
    const Pile& pile = *Piles[std::size_t(index)];
    Rect area = pile.Bounds;
    if (!pile.IsEmpty()) {
        // Below the top card only a card's exposed strip starts a run from it.
        const int top = pile.Count() - 1;
        area = pile.Exposed(card < 0 || card > top ? top : card);
    }
    const auto reaches = [&](QPoint p) { return PileUnder(p.x(), p.y()) == &pile; };
    // The middle, else the first point of a grid over it that earlier piles
    // leave uncovered.
    const QPoint middle((area.left + area.right) / 2, (area.top + area.bottom) / 2);
    if (reaches(middle))
        return middle;
    constexpr int Step = 4;
    for (int y = area.top; y < area.bottom; y += Step)
        for (int x = area.left; x < area.right; x += Step)
            if (reaches({x, y}))
                return QPoint(x, y);
    return std::nullopt;
}

QPoint GameFrame::CarryPlace(int index) const
{
    const Pile& target = *Piles[std::size_t(index)];
    const Pile* source = DragPile ? DragPile->Source : nullptr;
    const QPoint next = target.Slot(target.Count() + 1);
    if (&target == source)
        return next;
    const QPoint topCard = target.IsEmpty() ? next : target.Slot(target.Count());
    for (const QPoint at : {next, topCard, QPoint(target.X, target.Y)}) {
        const Rect probe = Rect::At(at.x(), at.y(), CardWidth, CardHeight);
        if (BestOverlap(probe, source, [](const Pile&) { return true; }) == &target)
            return at;
    }
    return next;
}

} // namespace tollmere
