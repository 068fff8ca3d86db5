#include "carddeck.h"

#include "codes.h"

#include <platform/localtime.h>

#include <algorithm>
#include <array>

namespace tollmere {

namespace {

constexpr int TitleBitmap = 143;
constexpr std::array Suits{suit::Spades, suit::Hearts, suit::Clubs, suit::Diamonds};
constexpr int Ranks = rank::Two - rank::Ace + 1;

// The faces in creation order, looked up once for the run: every shuffle
// makes its 52 cards afresh.
const std::array<QImage, 52>& Faces()
{
    static const std::array<QImage, 52> faces = [] {
        std::array<QImage, 52> made;
        for (std::size_t s = 0; s < Suits.size(); ++s)
            for (int r = 0; r < Ranks; ++r)
                made[s * Ranks + std::size_t(r)] = LoadImage(FaceBitmap(rank::Ace + r, Suits[s]));
        return made;
    }();
    return faces;
}

} // namespace

// The cards are made anew in a fresh block, not over the old ones: a card a
// pile still held from before would then be caught as freed, not read as
// another card.
void CardDeck::Replace(std::vector<Card> made)
{
    made_ = std::move(made);
    Cards.clear();
    Cards.reserve(made_.size());
    for (Card& card : made_)
        Cards.push_back(&card);
}

void CardDeck::CreateCards()
{
    const auto& faces = Faces();
    std::vector<Card> made;
    made.reserve(52);
    for (std::size_t s = 0; s < Suits.size(); ++s)
        for (int r = 0; r < Ranks; ++r) {
            const int rankCode = rank::Ace + r;
            made.emplace_back(FaceBitmap(rankCode, Suits[s]), faces[s * Ranks + std::size_t(r)], rankCode, Suits[s]);
        }
    Replace(std::move(made));
}

void CardDeck::Shuffle()
{
    CreateCards();
    const platform::LocalTime now = platform::localTime();
    Generator.Seed(std::uint32_t(now.minute + now.hour + now.second + Generator.Next()));
    // Largest key first; equal keys keep their creation order. A key (15
    // bits) turned round and above the card's place (6 bits) makes numbers
    // that differ and sort in just that order: a plain sort of numbers.
    std::array<std::uint32_t, 52> order;
    static_assert(order.size() <= 64);
    for (std::size_t i = 0; i < order.size(); ++i) {
        made_[i].ShuffleKey = Generator.Next();
        order[i] = std::uint32_t(0x7FFF - made_[i].ShuffleKey) << 6 | std::uint32_t(i);
    }
    std::sort(order.begin(), order.end());
    for (std::size_t i = 0; i < order.size(); ++i)
        Cards[i] = &made_[order[i] & 63];
}

void CardDeck::MakeTitle()
{
    std::vector<Card> made;
    made.emplace_back(TitleBitmap, 0, 0);
    made.front().FaceUp = 1;
    made.front().MoveTo(0, 0);
    Replace(std::move(made));
}

void CardDeck::BringToFront(const Card& card)
{
    const auto at = std::find_if(Cards.begin(), Cards.end(), [&](const Card* c) { return c == &card; });
    if (at != Cards.end())
        std::rotate(at, at + 1, Cards.end());
}

Card* CardDeck::NextUndealt() const
{
    for (const auto& card : Cards)
        if (!card->InPile)
            return card;
    return nullptr;
}

Card* CardDeck::Find(int rankCode, int suitCode) const
{
    for (const auto& card : Cards)
        if (card->RankCode == rankCode && card->SuitCode == suitCode)
            return card;
    return nullptr;
}

} // namespace tollmere
