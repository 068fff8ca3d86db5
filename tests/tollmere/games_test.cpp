// Four Seasons, Accordion, Fortune's Favor, Queen's Audience, Chameleon and
// Quadrille: each deal from a fixed clock against the shuffle's oracle, its
// saved file byte for byte and reopened, its stock actions and its win, all
// through the real view.
#include "harness.h"

#include <shell/savedgame.h>

#include <QFile>
#include <QtEndian>
#include <algorithm>
#include <functional>

namespace tollmere::test {
namespace {

struct Place {
    int Kind;
    int X;
    int Y;
    int Fan = fan::Stacked;
};

struct GameCase {
    GameId Id;
    std::vector<Place> Piles; // home places in pile-list order
    std::function<Table(const std::vector<CardId>& deck)> Deal;
};

std::vector<Faced> Faces(const std::vector<CardId>& cards, int faceUp)
{
    std::vector<Faced> out;
    for (const CardId& id : cards)
        out.push_back({id, faceUp});
    return out;
}

std::vector<CardId> Slice(const std::vector<CardId>& cards, std::size_t from, std::size_t to)
{
    return {cards.begin() + std::ptrdiff_t(from), cards.begin() + std::ptrdiff_t(to)};
}

std::pair<std::vector<CardId>, std::vector<CardId>> SplitRank(const std::vector<CardId>& deck, int rankCode)
{
    std::pair<std::vector<CardId>, std::vector<CardId>> split;
    for (const CardId& id : deck)
        (id.first == rankCode ? split.first : split.second).push_back(id);
    return split;
}

std::vector<Place> Row(int kind, int y, int from = 0, int to = 500)
{
    std::vector<Place> places;
    for (int x = from; x <= to; x += 100)
        places.push_back({kind, x, y});
    return places;
}

std::vector<Place> Join(std::initializer_list<std::vector<Place>> parts)
{
    std::vector<Place> all;
    for (const auto& part : parts)
        all.insert(all.end(), part.begin(), part.end());
    return all;
}

using namespace kind;

const GameCase Cases[] = {
    {GameId::FourSeasons,
     {{Stock, 0, 220}, {Waste, 0, 110}, {Foundation, 100, 0}, {Foundation, 300, 0}, {Foundation, 100, 220},
      {Foundation, 300, 220}, {Tableau, 200, 0}, {Tableau, 100, 110}, {Tableau, 200, 110}, {Tableau, 300, 110},
      {Tableau, 200, 220}},
     [](const std::vector<CardId>& d) {
         Table t(11);
         t[0] = Faces(Slice(d, 6, 52), 0);
         t[2] = Faces({d[0]}, 1);
         for (std::size_t i = 0; i < 5; ++i)
             t[6 + i] = Faces({d[1 + i]}, 1);
         return t;
     }},
    {GameId::Accordion, Join({{{Stock, 250, 110}}, Row(Foundation, 0)}),
     [](const std::vector<CardId>& d) {
         // The six row piles take the stock's top cards: the deck's last six.
         Table t(7);
         t[0] = Faces(Slice(d, 0, 46), 0);
         for (std::size_t i = 0; i < 6; ++i)
             t[1 + i] = Faces({d[51 - i]}, 1);
         return t;
     }},
    {GameId::FortunesFavor,
     Join({{{Stock, 0, 0}, {Waste, 100, 0}}, Row(Foundation, 0, 200), Row(Tableau, 110), Row(Tableau, 220)}),
     [](const std::vector<CardId>& d) {
         const auto [aces, rest] = SplitRank(d, rank::Ace);
         Table t(18);
         t[0] = Faces(Slice(rest, 12, 48), 0);
         for (std::size_t i = 0; i < 4; ++i)
             t[2 + i] = Faces({aces[i]}, 1);
         for (std::size_t i = 0; i < 12; ++i)
             t[6 + i] = Faces({rest[i]}, 1);
         return t;
     }},
    {GameId::QueensAudience,
     Join({{{Stock, 100, 100}, {Waste, 200, 100}},
           Row(Tableau, 0),
           {{Tableau, 0, 100}, {Foundation, 350, 100}, {Tableau, 500, 100}, {Tableau, 0, 200}},
           Row(Foundation, 200, 100, 400),
           {{Tableau, 500, 200}},
           Row(Tableau, 300)}),
     [](const std::vector<CardId>& d) {
         Table t(23);
         t[0] = Faces(Slice(d, 16, 52), 0);
         std::size_t next = 0;
         for (std::size_t i : {2, 3, 4, 5, 6, 7, 8, 10, 11, 16, 17, 18, 19, 20, 21, 22})
             t[i] = Faces({d[next++]}, 1);
         return t;
     }},
    {GameId::Chameleon,
     Join({{{Stock, 0, 110}, {Waste, 0, 0}},
           Row(Foundation, 0, 100, 400),
           {{Reserve, 100, 110}, {Tableau, 200, 110, fan::Down}, {Tableau, 300, 110, fan::Down},
            {Tableau, 400, 110, fan::Down}}}),
     [](const std::vector<CardId>& d) {
         Table t(10);
         t[0] = Faces(Slice(d, 16, 52), 0);
         t[2] = Faces({d[0]}, 1);
         t[6] = Faces(Slice(d, 1, 13), 0);
         for (std::size_t i = 0; i < 3; ++i)
             t[7 + i] = Faces({d[13 + i]}, 1);
         return t;
     }},
    {GameId::Quadrille,
     {{Stock, 0, 0}, {Waste, 100, 0}, {Foundation, 300, 0}, {Foundation, 130, 155}, {Foundation, 475, 155},
      {Foundation, 300, 300}, {Foundation, 215, 50}, {Foundation, 385, 50}, {Foundation, 215, 275},
      {Foundation, 385, 275}, {Tableau, 300, 100}, {Tableau, 245, 155}, {Tableau, 355, 155}, {Tableau, 300, 200}},
     [](const std::vector<CardId>& d) {
         const auto [queens, rest] = SplitRank(d, rank::Queen);
         Table t(14);
         t[0] = Faces(rest, 0);
         for (std::size_t i = 0; i < 4; ++i)
             t[10 + i] = Faces({queens[i]}, 1);
         return t;
     }},
};

QByteArray FileOf(int gameId, int turns, const Table& table)
{
    QByteArray bytes;
    const auto record = [&](std::int32_t a, std::int32_t b, std::int32_t c, std::int32_t d) {
        for (std::int32_t word : {a, b, c, d}) {
            char le[4];
            qToLittleEndian(word, le);
            bytes.append(le, 4);
        }
    };
    record(gameId, turns, 0, 0);
    for (std::size_t pile = 0; pile < table.size(); ++pile)
        for (const auto& [id, face] : table[pile])
            record(int(pile), id.first, id.second, face);
    return bytes;
}

class Deal : public ::testing::TestWithParam<GameCase> {};

TEST_P(Deal, LaysOutDealsSavesAndReopensAsTheRulesSay)
{
    const GameCase& game = GetParam();
    Harness h;
    h.Start(game.Id);
    // Centred in 800 by 600.
    int right = 0, bottom = 0;
    for (const Place& p : game.Piles) {
        right = std::max(right, p.X + 71);
        bottom = std::max(bottom, p.Y + 96);
    }
    const QPoint offset(-right / 2 + 400, -bottom / 2 + 300);
    ASSERT_EQ(h.Frame().PileCount(), int(game.Piles.size()));
    for (int i = 0; i < int(game.Piles.size()); ++i) {
        const Place& want = game.Piles[std::size_t(i)];
        const Pile& pile = h.PileAt(i);
        EXPECT_EQ(pile.Kind, want.Kind) << "pile " << i;
        EXPECT_EQ(pile.FanRule == fan::Down ? fan::Down : fan::Stacked, want.Fan) << "pile " << i;
        EXPECT_EQ(QPoint(pile.X, pile.Y), QPoint(want.X, want.Y) + offset) << "pile " << i;
        for (const Card* card : pile.Cards)
            EXPECT_EQ(card->Bounds, Rect::At(pile.X, pile.Y, 71, 96)) << "pile " << i;
    }
    const Table dealt = game.Deal(FirstDeal());
    EXPECT_EQ(TableOf(h), dealt);
    EXPECT_TRUE(h.Invariants());
    EXPECT_TRUE(h.RepaintedWhole());

    const QString path = h.Path("game.Sol");
    ASSERT_TRUE(h.View().SaveGameTo(path));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), FileOf(int(game.Id), 0, dealt));
    h.Start(GameId::Calculation);
    ASSERT_TRUE(h.View().LoadGame(path));
    EXPECT_EQ(TableOf(h), dealt);
    EXPECT_EQ(h.Config().Played[std::size_t(*StatsIndex(int(game.Id)))], 2);
}

INSTANTIATE_TEST_SUITE_P(Games, Deal, ::testing::ValuesIn(Cases),
                         [](const auto& info) { return std::string(Games[*StatsIndex(int(info.param.Id))].Name)
                                                           .substr(0, 4); });

// Everything but the cards named stays in or goes to `keep` (the piles that
// may hold cards at a win); then the view shows it.
void ClearAllBut(Harness& h, int keep, std::initializer_list<int> leave)
{
    for (int i = 0; i < h.Frame().PileCount(); ++i)
        if (i != keep && std::find(leave.begin(), leave.end(), i) == leave.end())
            h.MoveAll(h.PileAt(i), h.PileAt(keep));
    h.Redraw();
}

QPoint TopOf(Harness& h, int pile) { return Into(*h.PileAt(pile).Top(), 35, 80); }

// --- Accordion ---

TEST(Accordion, WholePilesMoveAndTheStockFillsGapsFromTheLeft)
{
    Harness h;
    h.Start(GameId::Accordion);
    h.ClearSounds();
    // Pile 4 onto pile 1, then pile 2 (now one card) onto pile 3; a lifted
    // pile lands on top in its order.
    DragTopOnto(h, 4, 1);
    DragTopOnto(h, 2, 3);
    const std::vector<CardId> two = CardsOf(h.PileAt(1));
    ASSERT_EQ(two.size(), 2u);
    DragTopOnto(h, 1, 5);
    const std::vector<CardId> five = CardsOf(h.PileAt(5));
    EXPECT_EQ(std::vector<CardId>(five.begin() + 1, five.end()), two);
    EXPECT_TRUE(h.PileAt(1).IsEmpty());
    EXPECT_EQ(h.Sounds().count("DOWN.WAV"), 3);

    // Gaps at 1, 2 and 4: a stock click fills them left to right, silently.
    h.ClearSounds();
    const std::vector<CardId> stock = CardsOf(h.PileAt(0));
    h.Click(Centre(h.PileAt(0).Bounds));
    EXPECT_EQ(CardsOf(h.PileAt(1)), std::vector<CardId>{stock[45]});
    EXPECT_EQ(CardsOf(h.PileAt(2)), std::vector<CardId>{stock[44]});
    EXPECT_EQ(CardsOf(h.PileAt(4)), std::vector<CardId>{stock[43]});
    EXPECT_EQ(h.PileAt(4).Top()->FaceUp, 1);
    EXPECT_EQ(h.PileAt(0).Count(), 43);
    EXPECT_TRUE(h.Sounds().isEmpty());
    EXPECT_FALSE(h.Frame().DragPile);
    EXPECT_TRUE(h.RepaintedWhole());
    // No gap: a click changes nothing.
    h.Click(Centre(h.PileAt(0).Bounds));
    EXPECT_EQ(h.PileAt(0).Count(), 43);

    // The stock never takes cards: over it alone they go home; over it and a
    // row pile they go to the row pile.
    const Pile& stockPile = h.PileAt(0);
    h.DragTo(TopOf(h, 3), QPoint(stockPile.X + 35, stockPile.Y + 80));
    EXPECT_EQ(h.PileAt(3).Count(), 2);
    h.DragTo(TopOf(h, 3), QPoint(stockPile.X + 35 + 40, stockPile.Y + 80 - 60));
    EXPECT_EQ(h.PileAt(3).Count(), 0);
    EXPECT_EQ(h.PileAt(4).Count(), 3);
    EXPECT_TRUE(h.Invariants());

    // One card left and two gaps: only the leftmost is filled.
    while (h.PileAt(0).Count() > 1)
        h.Put(IdOf(*h.PileAt(0).Top()), h.PileAt(5));
    h.MoveAll(h.PileAt(2), h.PileAt(5));
    h.Redraw();
    h.Click(Centre(h.PileAt(0).Bounds));
    EXPECT_EQ(h.PileAt(2).Count(), 1);
    EXPECT_EQ(h.PileAt(3).Count(), 0);
    EXPECT_TRUE(h.PileAt(0).IsEmpty());
}

TEST(Accordion, IsWonWhenEveryCardLiesInOnePile)
{
    Harness h;
    h.Start(GameId::Accordion);
    ClearAllBut(h, 6, {0, 1});
    EXPECT_FALSE(h.PileAt(0).IsEmpty());
    DragTopOnto(h, 1, 6);
    EXPECT_EQ(h.Wins(), 0) << "not while the stock holds cards";
    h.MoveAll(h.PileAt(0), h.PileAt(1));
    h.Redraw();
    DragTopOnto(h, 1, 6);
    EXPECT_EQ(h.Wins(), 1);
    EXPECT_EQ(h.Config().Won[1], 1);
}

// --- Fortune's Favor ---

TEST(FortunesFavor, TheEmptyStockRedealsTheWasteOnce)
{
    Harness h;
    h.Start(GameId::FortunesFavor);
    h.ClearSounds();
    // Lifting sounds like laying down; a card may go back on the stock, face up.
    DragTopOnto(h, 0, 1);
    DragTopOnto(h, 0, 1);
    EXPECT_EQ(h.Sounds(), (QStringList{"DOWN.WAV", "DOWN.WAV", "DOWN.WAV", "DOWN.WAV"}));
    DragTopOnto(h, 1, 0);
    EXPECT_EQ(h.PileAt(0).Top()->FaceUp, 1);
    DragTopOnto(h, 0, 1);
    // The stock played out to the waste, then one click turns it back.
    while (!h.PileAt(0).IsEmpty())
        h.Put(IdOf(*h.PileAt(0).Top()), h.PileAt(1));
    h.Redraw();
    const std::vector<CardId> waste = CardsOf(h.PileAt(1));
    h.ClearSounds();
    h.Click(Centre(h.PileAt(0).Bounds));
    std::vector<CardId> reversed(waste.rbegin(), waste.rend());
    EXPECT_EQ(CardsOf(h.PileAt(0)), reversed) << "the waste's first card is the stock's top again";
    EXPECT_TRUE(h.PileAt(1).IsEmpty());
    for (const Card* card : h.PileAt(0).Cards)
        EXPECT_EQ(card->FaceUp, 0);
    EXPECT_EQ(h.Sounds(), QStringList{"SHUFFLE.WAV"});
    EXPECT_EQ(h.Table().TurnCount(), 1);
    EXPECT_TRUE(h.RepaintedWhole());

    // Played out again: no second redeal, and a saved game remembers that.
    h.MoveAll(h.PileAt(0), h.PileAt(1));
    h.Redraw();
    h.ClearSounds();
    h.Click(Centre(h.PileAt(0).Bounds));
    EXPECT_TRUE(h.PileAt(0).IsEmpty());
    EXPECT_TRUE(h.Sounds().isEmpty());
    ASSERT_TRUE(h.View().SaveGameTo(h.Path("ff.Sol")));
    ASSERT_TRUE(h.View().LoadGame(h.Path("ff.Sol")));
    EXPECT_EQ(h.Table().TurnCount(), 1);
    h.Click(Centre(h.PileAt(0).Bounds));
    EXPECT_TRUE(h.PileAt(0).IsEmpty());

    // In a new deal, the redeal is used up even with an empty waste.
    h.Start(GameId::FortunesFavor);
    h.MoveAll(h.PileAt(0), h.PileAt(2));
    h.Redraw();
    h.Click(Centre(h.PileAt(0).Bounds));
    EXPECT_EQ(h.Table().TurnCount(), 1);
}

TEST(FortunesFavor, IsWonWhenStockWasteAndTableauAreEmpty)
{
    Harness h;
    h.Start(GameId::FortunesFavor);
    ClearAllBut(h, 2, {16, 17});
    DragTopOnto(h, 16, 5);
    EXPECT_EQ(h.Wins(), 0) << "not while the last tableau pile holds a card";
    DragTopOnto(h, 17, 5);
    EXPECT_EQ(h.Wins(), 1);
    EXPECT_EQ(h.Config().Won[0], 1);
}

// --- Quadrille ---

TEST(Quadrille, TwoRedealsThenTheEmptyStockIsSilent)
{
    Harness h;
    h.Start(GameId::Quadrille);
    for (int turn = 1; turn <= 2; ++turn) {
        h.MoveAll(h.PileAt(0), h.PileAt(1));
        h.Redraw();
        h.ClearSounds();
        h.Click(Centre(h.PileAt(0).Bounds));
        EXPECT_EQ(h.PileAt(0).Count(), 48);
        EXPECT_EQ(h.Table().TurnCount(), turn);
        EXPECT_EQ(h.Sounds(), QStringList{"SHUFFLE.WAV"});
    }
    h.MoveAll(h.PileAt(0), h.PileAt(1));
    h.Redraw();
    h.ClearSounds();
    h.Click(Centre(h.PileAt(0).Bounds));
    EXPECT_TRUE(h.PileAt(0).IsEmpty());
    EXPECT_TRUE(h.Sounds().isEmpty()) << "the third click does nothing and plays nothing";
    EXPECT_TRUE(h.RepaintedWhole());
}

TEST(Quadrille, OverlappingQueensTheEarlierTakesTheClickTheLargerOverlapTheDrop)
{
    Harness h;
    h.Start(GameId::Quadrille);
    const Pile& top = h.PileAt(10);
    const Pile& left = h.PileAt(11);
    // The top Queen spans y 100..196 and the left one starts at y 155.
    const QPoint overlap(left.X + 60, left.Y + 10);
    ASSERT_TRUE(top.Contains(overlap.x(), overlap.y()) && left.Contains(overlap.x(), overlap.y()));
    h.Press(overlap);
    ASSERT_TRUE(h.Frame().DragPile);
    EXPECT_EQ(h.Frame().DragPile->Source, &top);
    // Released where it lay, it would overlap its neighbours: take it off
    // the table to send it home.
    h.Move({790, 590}, true);
    h.Release({790, 590});
    EXPECT_EQ(top.Count(), 1);
    // A stock card dropped straddling the right and bottom Queens evenly.
    const Pile& right = h.PileAt(12);
    const Pile& bottom = h.PileAt(13);
    const Card& card = *h.PileAt(0).Top();
    const QPoint grab = Into(card, 10, 10);
    // In home coordinates right spans x 355..426, y 155..251, and bottom
    // x 300..371, y 200..296. A
    // card at (336, 203) covers 52 by 48 of right and 35 by 93 of bottom.
    h.DragTo(grab, QPoint(336, 203) + (QPoint(right.X, right.Y) - QPoint(355, 155)) + QPoint(10, 10));
    EXPECT_EQ(right.Count() + bottom.Count(), 3);
    EXPECT_EQ(bottom.Count(), 2) << "35 * 93 beats 52 * 48";
    EXPECT_TRUE(h.Invariants());
}

TEST(Quadrille, IsWonWhenStockAndWasteAreEmptyWhateverTheQueensHold)
{
    Harness h;
    h.Start(GameId::Quadrille);
    ClearAllBut(h, 2, {0, 10, 11, 12, 13});
    while (h.PileAt(0).Count() > 1)
        h.Put(IdOf(*h.PileAt(0).Top()), h.PileAt(3 + h.PileAt(0).Count() % 7));
    h.Redraw();
    DragTopOnto(h, 0, 9);
    EXPECT_EQ(h.Wins(), 1);
    EXPECT_EQ(h.PileAt(10).Count(), 1);
    EXPECT_EQ(h.Config().Won[4], 1);
}

// --- Chameleon ---

TEST(Chameleon, TheReserveEmptiedByAMoveBecomesAFannedTableauPile)
{
    Harness h;
    h.Start(GameId::Chameleon);
    Pile& reserve = h.PileAt(6);
    // Its last card dragged over nothing goes home, face up: still a reserve.
    while (reserve.Count() > 1)
        h.Put(IdOf(*reserve.Top()), h.PileAt(7));
    h.Redraw();
    h.DragTo(TopOf(h, 6), {790, 590});
    EXPECT_EQ(reserve.Kind, kind::Reserve);
    EXPECT_EQ(reserve.Top()->FaceUp, 1);
    const QString saved = h.Path("chameleon.Sol");
    ASSERT_TRUE(h.View().SaveGameTo(saved));
    DragTopOnto(h, 6, 3);
    EXPECT_EQ(reserve.Kind, kind::Tableau);
    EXPECT_EQ(reserve.FanRule, fan::Down);
    // Now it fans down and gives up runs by their strips.
    DragTopOnto(h, 8, 6);
    DragTopOnto(h, 9, 6);
    EXPECT_EQ(reserve.Top()->Bounds.top, reserve.Y + 30);
    h.Press(Into(*reserve.Cards[0], 30, 10));
    ASSERT_TRUE(h.Frame().DragPile);
    EXPECT_EQ(h.Frame().DragPile->Count(), 2);
    h.Release(Into(*h.Frame().DragPile->Cards[0], 30, 10));
    EXPECT_TRUE(h.RepaintedWhole());
    // Reopened, the saved game has a stacked reserve again.
    ASSERT_TRUE(h.View().LoadGame(saved));
    EXPECT_EQ(h.PileAt(6).Kind, kind::Reserve);
    EXPECT_EQ(h.PileAt(6).FanRule, fan::Stacked);
}

TEST(Chameleon, IsWonWhenAllButTheFoundationsAreEmpty)
{
    Harness h;
    h.Start(GameId::Chameleon);
    ClearAllBut(h, 2, {6});
    EXPECT_EQ(h.Wins(), 0);
    while (h.PileAt(6).Count() > 1)
        h.Put(IdOf(*h.PileAt(6).Top()), h.PileAt(3));
    h.Redraw();
    DragTopOnto(h, 6, 4);
    EXPECT_EQ(h.Wins(), 1);
    EXPECT_EQ(h.Config().Won[5], 1);
}

// --- Four Seasons and Queen's Audience ---

TEST(FourSeasons, TheStockIsDraggedFromAndNeverRedeals)
{
    Harness h;
    h.Start(GameId::FourSeasons);
    h.DragTo(TopOf(h, 0), {790, 10});
    EXPECT_EQ(h.PileAt(0).Count(), 46);
    EXPECT_EQ(h.PileAt(0).Top()->FaceUp, 1) << "back home, face up";
    h.MoveAll(h.PileAt(0), h.PileAt(1));
    h.Redraw();
    h.ClearSounds();
    h.Click(Centre(h.PileAt(0).Bounds));
    EXPECT_TRUE(h.PileAt(0).IsEmpty());
    EXPECT_TRUE(h.Sounds().isEmpty());
    ClearAllBut(h, 3, {10});
    DragTopOnto(h, 10, 5);
    EXPECT_EQ(h.Wins(), 1);
    EXPECT_EQ(h.Config().Won[6], 1);
}

TEST(QueensAudience, IsWonWhenStockWasteAndWallsAreEmpty)
{
    Harness h;
    h.Start(GameId::QueensAudience);
    h.MoveAll(h.PileAt(0), h.PileAt(22));
    h.Redraw();
    h.Click(Centre(h.PileAt(0).Bounds));
    EXPECT_TRUE(h.PileAt(0).IsEmpty()) << "no redeal";
    DragTopOnto(h, 22, 0);
    EXPECT_EQ(h.PileAt(0).Count(), 1) << "the stock takes cards";
    ClearAllBut(h, 9, {0});
    DragTopOnto(h, 0, 15);
    EXPECT_EQ(h.Wins(), 1);
    EXPECT_EQ(h.Config().Won[7], 1);
}

} // namespace
} // namespace tollmere::test
