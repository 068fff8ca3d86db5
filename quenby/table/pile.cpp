#include "pile.h"

#include <platform/localtime.h>
#include <platform/sound.h>

namespace quenby {

void Pile::AddTop(Card* card)
{
    Cards.AddHead(card);
    card->MoveTo(Bounds.left, Bounds.top);
}

void Pile::AddBottom(Card* card) { Cards.AddTail(card); }

Card* Pile::TakeTop()
{
    Card* card = Cards.Head();
    if (card)
        Cards.Remove(card);
    return card;
}

Card* Pile::TakeBottom()
{
    Card* card = Cards.Last();
    if (card)
        Cards.Remove(card);
    return card;
}

void Pile::SetPosition(int x, int y)
{
    for (Card* card : Cards)
        card->MoveTo(x, y);
    Bounds = Rect::At(x, y, CardWidth, CardHeight);
}

void Pile::FanRight()
{
    const int n = Count();
    int x = Bounds.left + (n < 2 ? 0 : 20 * (n - 1));
    for (Card* card : Cards) {
        card->MoveTo(x, Bounds.top);
        x -= 20;
    }
    if (const Card* top = Top())
        Bounds.right = top->Left() + top->Width();
}

void Pile::FanDown(int cardBackId)
{
    int faceUp = 0;
    for (const Card* card : Cards)
        faceUp += card->IsFaceDown(cardBackId) ? 0 : 1;
    int offset = 20 * (faceUp - 1);
    if (faceUp >= 1) {
        for (Card* card : Cards) {
            if (card->IsFaceDown(cardBackId))
                continue;
            card->MoveTo(Bounds.left, Bounds.top + offset);
            offset -= 20;
        }
    }
    if (const Card* top = Top())
        Bounds.bottom = top->Top() + top->Height();
}

void Pile::HideCards(PaintList& paint)
{
    for (Card* card : Cards)
        paint.Remove(card);
}

void Pile::SendToBack(PaintList& paint)
{
    // A card already in the paint order is moved, never listed twice.
    for (Card* card : Cards) {
        paint.Remove(card);
        paint.AddHead(card);
    }
}

void Pile::BringToFront(PaintList& paint)
{
    HideCards(paint);
    for (auto it = Cards.end(); it != Cards.begin();)
        paint.AddTail(*--it);
}

// The deck in creation order: hearts, clubs, diamonds, spades, each from the
// Two up to the Ten, then Jack, Queen, King and Ace. The start-up carousel
// shows the deck in this order.
static constexpr int DeckOrder[52] = {
    158, 159, 160, 161, 162, 163, 164, 165, 157, 167, 169, 168, 166, //
    132, 133, 134, 135, 136, 137, 138, 139, 131, 141, 143, 142, 140, //
    145, 146, 147, 148, 149, 150, 151, 152, 144, 154, 156, 155, 153, //
    172, 173, 174, 175, 176, 177, 178, 179, 171, 181, 130, 182, 180,
};

void Stock::Fill()
{
    for (int faceId : DeckOrder)
        Cards.AddTail(new Card(faceId, 0, 0, 0));
}

void Stock::Shuffle(Random& random)
{
    const platform::LocalTime now = platform::localTime();
    random.Seed(std::uint32_t(now.second + now.minute + now.hour));
    random.Next();
    const int skip = random.Next() & 31;
    for (int i = 0; i <= skip; ++i)
        random.Next();

    PaintList drawn; // refers only: the cards stay the stock's throughout
    while (Card* card = Cards.Head()) {
        Cards.Remove(card);
        card->ShuffleKey = random.Next();
        drawn.AddTail(card);
    }
    // Greatest key first; on equal keys the earlier card goes first.
    while (!drawn.IsEmpty()) {
        Card* best = nullptr;
        int bestKey = -1;
        for (Card* card : drawn)
            if (card->ShuffleKey > bestKey) {
                best = card;
                bestKey = card->ShuffleKey;
            }
        drawn.Remove(best);
        Cards.AddTail(best);
    }
}

void Stock::NewDeck(bool soundOn, Random& random)
{
    if (soundOn)
        platform::playSound(QStringLiteral("SHUFFLE.WAV"));
    Cards.DeleteAll();
    Fill();
    Shuffle(random);
}

Card* Stock::TakeTop()
{
    Card* card = Cards.Head();
    if (card)
        Cards.Remove(card);
    return card;
}

Card* Stock::TakeRank(int rank)
{
    for (Card* card : Cards)
        if (card->Rank == rank) {
            Cards.Remove(card);
            return card;
        }
    return nullptr;
}

void Stock::SetPosition(int x, int y)
{
    for (Card* card : Cards)
        card->MoveTo(x, y);
    Bounds = Rect::At(x, y, CardWidth, CardHeight);
}

void Stock::ShowAll(PaintList& paint)
{
    for (Card* card : Cards)
        paint.AddTail(card);
}

} // namespace quenby
