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

void CardDeck::CreateCards()
{
    const auto& faces = Faces();
    Cards.clear();
    Cards.reserve(52);
    for (std::size_t s = 0; s < Suits.size(); ++s)
        for (int r = 0; r < Ranks; ++r) {
            const int rankCode = rank::Ace + r;
            Cards.push_back(std::make_unique<Card>(FaceBitmap(rankCode, Suits[s]), faces[s * Ranks + std::size_t(r)],
                                                   rankCode, Suits[s]));
        }
}

void CardDeck::Shuffle()
{
    CreateCards();
    const platform::LocalTime now = platform::localTime();
    Generator.Seed(std::uint32_t(now.minute + now.hour + now.second + Generator.Next()));
    for (auto& card : Cards)
        card->ShuffleKey = Generator.Next();
    // Largest key first; equal keys keep their creation order.
    std::stable_sort(Cards.begin(), Cards.end(),
                     [](const auto& a, const auto& b) { return a->ShuffleKey > b->ShuffleKey; });
}

void CardDeck::MakeTitle()
{
    Cards.clear();
    auto title = std::make_unique<Card>(TitleBitmap, 0, 0);
    title->FaceUp = 1;
    title->MoveTo(0, 0);
    Cards.push_back(std::move(title));
}

void CardDeck::BringToFront(const Card& card)
{
    const auto at = std::find_if(Cards.begin(), Cards.end(), [&](const auto& c) { return c.get() == &card; });
    if (at != Cards.end())
        std::rotate(at, at + 1, Cards.end());
}

Card* CardDeck::NextUndealt() const
{
    for (const auto& card : Cards)
        if (!card->InPile)
            return card.get();
    return nullptr;
}

Card* CardDeck::Find(int rankCode, int suitCode) const
{
    for (const auto& card : Cards)
        if (card->RankCode == rankCode && card->SuitCode == suitCode)
            return card.get();
    return nullptr;
}

} // namespace tollmere
