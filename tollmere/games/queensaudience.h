#pragma once
// Queen's Audience: sixteen cards as the walls of a square round five empty
// foundations, a face-down stock and its waste.
#include "frame.h"

namespace tollmere {

class QueensAudienceGame : public GameFrame {
public:
    explicit QueensAudienceGame(CardDeck& deck);
    bool IsWon() const;
};

} // namespace tollmere
