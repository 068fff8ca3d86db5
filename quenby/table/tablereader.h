#pragma once
// The table as a screen reader reads it: the stock and every pile by name,
// what lies on it and, for a fanned pile, card by card; the keyboard's focus;
// and after each move the piles that changed and one line on what happened.
#include "tablestate.h"

#include <games/keyplay.h>
#include <platform/accessibletable.h>

#include <QString>
#include <vector>

namespace quenby {

class TableReader : public platform::AccessibleTable {
public:
    TableReader(const TableState& table, const KeyPlay& keys) : table_(table), keys_(keys) {}

    int PileCount() const override;
    platform::AccessiblePile Pile(int index) const override;
    Focus KeyFocus() const override;

    // The table just before an operation, to tell afterwards what it did.
    struct Moment {
        std::vector<QString> names;
        std::vector<const Card*> held; // top first
        const quenby::Pile* from = nullptr; // where the held cards came from
        int stock = 0;
        int won = 0;
    };
    Moment Now() const;
    // After an operation that began at `before`: the changed piles are reread
    // and one line says what happened; `press` for a press (which returns
    // held cards rather than dropping them), `byKey` for one the keys made.
    void Tell(QWidget* view, const Moment& before, bool press, bool byKey) const;

private:
    const TableState& table_;
    const KeyPlay& keys_;
};

// A card's name as the reader says it: "Five of Spades".
QString NameOf(const Card& card);

} // namespace quenby
