#pragma once
// The 52 cards of a run. Their list is at once the deal order (first to last)
// and the paint order (last painted on top). The deck also keeps the extent
// of the table the last layout made, for drawing the outlines.
// The cards themselves lie in the deck, made together in one allocation at
// each shuffle; the list points into it, so a deck is never copied.
#include "card.h"
#include <platform/random.h>

#include <vector>

namespace tollmere {

class CardDeck {
public:
    CardDeck() = default;
    CardDeck(const CardDeck&) = delete;
    CardDeck& operator=(const CardDeck&) = delete;

    // The 52 cards made afresh, face down and in no pile, in the fixed
    // creation order (spades, hearts, clubs, diamonds; Ace, King ... Two).
    void CreateCards();
    // Fresh cards, put in the order of keys drawn from a generator seeded by
    // the local time (the sum of hour, minute and second).
    void Shuffle();
    // Just one card: the title picture, face up, at (0, 0).
    void MakeTitle();

    // Paints `card` last, over every other.
    void BringToFront(const Card& card);
    // The first card in deck order that lies in no pile, or none.
    Card* NextUndealt() const;
    // The first card with this identity, or none.
    Card* Find(int rankCode, int suitCode) const;
    int Count() const { return int(Cards.size()); }

    std::vector<Card*> Cards; // every card of made_, each once
    int ExtentWidth = 0;
    int ExtentHeight = 0;
    platform::Random Generator; // carried over from one shuffle to the next

private:
    void Replace(std::vector<Card> made);

    std::vector<Card> made_; // in creation order
};

} // namespace tollmere
