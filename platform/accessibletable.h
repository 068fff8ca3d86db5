#pragma once
// A card table as a screen reader sees it: the view's accessible object has
// one child per pile, in creation order, and a fanned pile has one child per
// card, bottom card first. Each program's view describes its table through
// AccessibleTable; the interfaces here ask it afresh on every query, so they
// never hold a stale card.
#include <QRect>
#include <QString>
#include <QWidget>

#include <span>
#include <vector>

namespace platform {

enum class CardSuit { Clubs, Diamonds, Hearts, Spades };

// "Five of Spades", "Ace of Hearts", "King of Clubs"; rank 1 is the Ace.
QString CardName(int rank, CardSuit suit);
// What a face-down card reads.
QString FaceDownCardName();

// One card of a fanned pile, as the reader shows it: its name ("Five of
// Spades" or "face-down card") and the part of it that shows, in view
// coordinates.
struct AccessibleCard {
    QString name;
    QRect rect;
};

struct AccessiblePile {
    QString name;         // "Column 3: Five of Spades on top, 4 cards, 2 face down"
    QRect rect;           // the pile's rectangle in view coordinates
    bool button = false;  // a stock: Space or a click deals from it
    std::vector<AccessibleCard> cards; // a fanned pile's cards, bottom first; empty otherwise
};

// "Column 3: Five of Spades on top, 4 cards, 2 face down", "Stock: 24 cards",
// "Foundation 1: empty". `top` is the top card's name, empty when it lies face
// down (then no card is named).
QString DescribePile(const QString& pileName, const QString& top, int count, int faceDown);

// What a table view tells the reader. Every call describes the table as it is
// now; the view is the owner and outlives nothing it hands out.
class AccessibleTable {
public:
    virtual ~AccessibleTable() = default;
    // 0 while no game is dealt (a title picture, the start-up carousel).
    virtual int PileCount() const = 0;
    virtual AccessiblePile Pile(int index) const = 0;
    // The keyboard focus: a pile, and inside a fanned pile a card (its index,
    // bottom first), or -1 for the pile itself. pile -1: no focus on the table.
    struct Focus {
        int pile = -1;
        int card = -1;
    };
    virtual Focus KeyFocus() const = 0;
};

// Gives `view` (a table view) its accessible table: call it in the view's
// constructor, before anything asks for the view's accessible object. The
// table is not owned; it must live as long as the view.
void ExposeTable(QWidget* view, const AccessibleTable* table);

// After a move: the names of `piles` are read again and announced as changed.
// When the number of piles changed (a new deal), the whole table is announced
// as new instead; pass all piles or none, the reader rereads it.
void PilesChanged(QWidget* view, std::span<const int> piles);
void TableReset(QWidget* view);
// The keyboard focus moved (KeyFocus() tells where): the reader follows it.
void FocusChanged(QWidget* view);
// One line on what just happened ("Five of Spades to Foundation 1"), for a
// view with no status bar: it becomes the text of the table's announcement
// child, which has no pixels, and is announced as changed.
void Announce(QWidget* view, const QString& line);

} // namespace platform
