// The card table as a screen reader reads it: piles and a fanned pile's cards
// as children read live from the view, and slots that survive moves. The
// events reach a reader only through a live accessibility bus, so the
// end-to-end test follows them.
#include "platform/accessibletable.h"

#include <QAccessible>
#include <QWidget>
#include <gtest/gtest.h>

using namespace platform;

namespace {

// A stock and a column of fanned cards, as a view would describe them.
class FakeTable : public AccessibleTable {
public:
    int PileCount() const override { return int(piles.size()); }
    AccessiblePile Pile(int index) const override { return piles[std::size_t(index)]; }
    Focus KeyFocus() const override { return focus; }

    std::vector<AccessiblePile> piles;
    Focus focus;
};

AccessiblePile Column(int cards)
{
    AccessiblePile pile{DescribePile("Column 1", cards ? CardName(5, CardSuit::Spades) : QString(), cards, 0),
                        QRect(100, 10, 71, 96 + 20 * cards), false, {}};
    for (int i = 0; i < cards; ++i)
        pile.cards.push_back({i + 1 == cards ? CardName(5, CardSuit::Spades) : FaceDownCardName(),
                              QRect(100, 10 + 20 * i, 71, i + 1 == cards ? 96 : 20)});
    return pile;
}

struct Exposed : ::testing::Test {
    Exposed()
    {
        table.piles = {{DescribePile("Stock", {}, 24, 24), QRect(10, 10, 71, 96), true, {}}, Column(3)};
        ExposeTable(&view, &table);
        view.resize(400, 300);
        iface = QAccessible::queryAccessibleInterface(&view);
    }

    FakeTable table;
    QWidget view;
    QAccessibleInterface* iface = nullptr;
};

} // namespace

TEST(AccessibleTable, PileDescriptionsReadAsAPlayerSaysThem)
{
    const struct {
        const char* name;
        int rank;
        int count, faceDown;
        const char* text;
    } rows[] = {
        {"Column 3", 5, 4, 2, "Column 3: Five of Spades on top, 4 cards, 2 face down"},
        {"Stock", 0, 24, 24, "Stock: 24 cards"},
        {"Foundation 1", 0, 0, 0, "Foundation 1: empty"},
        {"Waste", 1, 1, 0, "Waste: Ace of Spades on top, 1 card"},
        {"Reserve", 0, 13, 12, "Reserve: 13 cards, 12 face down"},
        {"Hour 12", 13, 4, 3, "Hour 12: King of Spades on top, 4 cards, 3 face down"},
    };
    for (const auto& row : rows)
        EXPECT_EQ(DescribePile(row.name, row.rank ? CardName(row.rank, CardSuit::Spades) : QString(), row.count,
                               row.faceDown),
                  row.text);
    EXPECT_EQ(CardName(12, CardSuit::Hearts), "Queen of Hearts");
    EXPECT_EQ(CardName(10, CardSuit::Diamonds), "Ten of Diamonds");
    EXPECT_EQ(CardName(11, CardSuit::Clubs), "Jack of Clubs");
}

TEST_F(Exposed, PilesAndFannedCardsAreChildrenWithRolesNamesAndPlaces)
{
    ASSERT_NE(iface, nullptr);
    ASSERT_EQ(iface->childCount(), 2);
    QAccessibleInterface* stock = iface->child(0);
    QAccessibleInterface* column = iface->child(1);
    EXPECT_EQ(stock->text(QAccessible::Name), "Stock: 24 cards");
    EXPECT_EQ(stock->role(), QAccessible::Button);
    EXPECT_EQ(stock->childCount(), 0);
    EXPECT_EQ(column->role(), QAccessible::List);
    ASSERT_EQ(column->childCount(), 3);
    EXPECT_EQ(column->child(0)->text(QAccessible::Name), "face-down card");
    EXPECT_EQ(column->child(2)->text(QAccessible::Name), "Five of Spades");
    EXPECT_EQ(column->child(2)->parent(), column);
    EXPECT_EQ(column->parent(), iface);
    EXPECT_EQ(iface->indexOfChild(column), 1);
    EXPECT_EQ(column->indexOfChild(column->child(2)), 2);
    // A point on the top card's face finds that card, not the ones under it.
    const QPoint onTop = view.mapToGlobal(QPoint(120, 10 + 40 + 50));
    EXPECT_EQ(iface->childAt(onTop.x(), onTop.y()), column);
    EXPECT_EQ(column->childAt(onTop.x(), onTop.y()), column->child(2));
    EXPECT_EQ(column->child(1)->rect(), QRect(view.mapToGlobal(QPoint(100, 30)), QSize(71, 20)));
}

TEST_F(Exposed, SlotsSurviveMovesAndGoWithTheirPiles)
{
    QAccessibleInterface* column = iface->child(1);
    QAccessibleInterface* second = column->child(1);
    const QAccessible::Id columnId = QAccessible::uniqueId(column);

    table.piles[1] = Column(1);
    const int changed[] = {1};
    PilesChanged(&view, changed);
    EXPECT_EQ(iface->child(1), column);
    EXPECT_EQ(QAccessible::uniqueId(iface->child(1)), columnId);
    EXPECT_EQ(column->childCount(), 1);
    EXPECT_EQ(QAccessible::accessibleInterface(QAccessible::uniqueId(column->child(0))), column->child(0));
    EXPECT_EQ(column->text(QAccessible::Name), "Column 1: Five of Spades on top, 1 card");
    Q_UNUSED(second); // deleted with its slot: a reader holding it gets an invalid object

    // A new deal with one pile fewer: the extra slot is gone; one more comes back new.
    table.piles.pop_back();
    TableReset(&view);
    EXPECT_EQ(iface->childCount(), 1);
    EXPECT_EQ(QAccessible::accessibleInterface(columnId), nullptr);
    table.piles.push_back(Column(2));
    TableReset(&view);
    ASSERT_EQ(iface->childCount(), 2);
    EXPECT_EQ(iface->child(1)->child(1)->text(QAccessible::Name), "Five of Spades");
}

TEST_F(Exposed, TheKeyFocusAndTheLineSaidAreWhatAReaderFollows)
{
    EXPECT_EQ(iface->focusChild(), nullptr);
    table.focus = {1, 2};
    QAccessibleInterface* card = iface->child(1)->child(2);
    EXPECT_EQ(iface->focusChild(), card);
    EXPECT_EQ(iface->child(1)->focusChild(), card);
    table.focus = {0, -1};
    EXPECT_EQ(iface->focusChild(), iface->child(0));
    EXPECT_TRUE(iface->child(0)->state().focusable);

    // The announcement appears with the first line and is reread with each one.
    EXPECT_EQ(iface->childCount(), 2);
    Announce(&view, "Five of Spades to Foundation 1");
    ASSERT_EQ(iface->childCount(), 3);
    EXPECT_EQ(iface->child(2)->role(), QAccessible::StatusBar);
    EXPECT_EQ(iface->indexOfChild(iface->child(2)), 2);
    EXPECT_EQ(iface->child(2)->text(QAccessible::Name), "Five of Spades to Foundation 1");
    Announce(&view, "You won!");
    EXPECT_EQ(iface->child(2)->text(QAccessible::Name), "You won!");
}
