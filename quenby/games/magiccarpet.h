#pragma once
// Magic Carpet: twenty carpet cards and a one-pass stock play to four
// foundations from the Aces; only waste cards fill carpet spaces.
#include <table/pile.h>

#include <memory>

namespace quenby {

struct TableState;

class MagicCarpetGame {
public:
    void Deal(TableState& table);
    void Relayout(TableState& table);
    void PickUp(TableState& table, int x, int y);
    void Drag(TableState& table, int x, int y);
    void Drop(TableState& table, int x, int y);

    std::unique_ptr<Card> Held;

private:
    bool Accepts(const TableState& table, const Pile& pile) const;
};

} // namespace quenby
