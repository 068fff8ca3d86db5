// The card model without a window: the face table, fanning, the generator and
// the shuffle, the win test, and the two animations.
#include <games/frame.h>
#include <platform/localtime.h>
#include <table/animation.h>
#include <table/tablestate.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

namespace quenby {
namespace {

TEST(FaceTable, MapsIdsToRankSuitAndColour)
{
    struct Row {
        int id, rank, suit, red;
    };
    const Row rows[] = {
        {130, 12, Spades, 0},   // the Queen of spades sits below the clubs
        {143, 12, Clubs, 0},    {140, 1, Clubs, 0},    {131, 10, Clubs, 0},  {153, 1, Diamonds, 1},
        {156, 12, Diamonds, 1}, {157, 10, Hearts, 1},  {169, 12, Hearts, 1}, {166, 1, Hearts, 1},
        {182, 13, Spades, 0},   {180, 1, Spades, 0},   {171, 10, Spades, 0},
        {170, 0, Spades, 0},    // the palette bitmap is no card
    };
    for (const Row& row : rows) {
        const Card card(row.id);
        EXPECT_EQ(card.Rank, row.rank) << row.id;
        EXPECT_EQ(card.Suit, row.suit) << row.id;
        EXPECT_EQ(card.IsRed, row.red) << row.id;
        EXPECT_EQ(card.FaceId, row.id);
        EXPECT_EQ(card.Direction, Right);
        EXPECT_TRUE(card.Flags & ImageLoadedFlag);
    }
}

TEST(Random, FollowsTheLinearCongruentialSequence)
{
    Random random;
    random.Seed(1);
    const int expected[] = {41, 18467, 6334, 26500, 19169, 15724};
    for (int value : expected)
        EXPECT_EQ(random.Next(), value);
}

class PileFanning : public ::testing::Test {
protected:
    Pile pile{500};
    void Add(int id, bool faceDown)
    {
        auto* card = new Card(id);
        if (faceDown)
            card->ShowImage(191);
        pile.AddTop(card);
    }
};

TEST_F(PileFanning, FanRightPutsTheTopCardRightmost)
{
    pile.SetPosition(100, 50);
    pile.FanRight(); // empty: nothing changes
    EXPECT_EQ(pile.GetRect(), Rect::At(100, 50, 71, 96));
    Add(140, false);
    pile.FanRight();
    EXPECT_EQ(pile.Top()->Left(), 100);
    Add(132, false);
    Add(133, false);
    pile.FanRight();
    EXPECT_EQ(pile.Top()->Bounds, Rect::At(140, 50, 71, 96));
    EXPECT_EQ(pile.Bottom()->Left(), 100);
    EXPECT_EQ(pile.GetRect(), (Rect{100, 50, 211, 146}));
}

TEST_F(PileFanning, FanDownSpreadsOnlyFaceUpCards)
{
    pile.SetPosition(10, 20);
    Add(140, true);
    Add(132, true);
    pile.Bottom()->MoveTo(300, 300); // face-down cards stay where they are
    pile.FanDown(191);
    EXPECT_EQ(pile.Bottom()->Left(), 300);
    EXPECT_EQ(pile.GetRect(), (Rect{10, 20, 81, 116})); // bottom from the top card only

    Add(133, false);
    Add(134, false);
    Add(135, false);
    pile.FanDown(191);
    EXPECT_EQ(pile.Top()->Top(), 60);
    std::vector<int> tops;
    for (const Card* card : pile.Cards)
        tops.push_back(card->Top());
    EXPECT_EQ(tops, (std::vector<int>{60, 40, 20, 20, 300}));
    EXPECT_EQ(pile.GetRect(), (Rect{10, 20, 81, 156}));

    // Removing a card that is not there changes nothing.
    Card stranger(150);
    pile.Remove(&stranger);
    EXPECT_EQ(pile.Count(), 5);
}

TEST(PaintOrder, SendToBackAndBringToFrontKeepEachCardOnce)
{
    Pile pile(500);
    PaintList paint;
    Card other(150);
    for (int id : {140, 132, 133}) {
        pile.AddTop(new Card(id));
        paint.AddTail(pile.Top());
    }
    paint.AddTail(&other);
    pile.SendToBack(paint);
    std::vector<int> order;
    for (const Card* card : paint)
        order.push_back(card->FaceId);
    EXPECT_EQ(order, (std::vector<int>{140, 132, 133, 150}));
    pile.BringToFront(paint);
    order.clear();
    for (const Card* card : paint)
        order.push_back(card->FaceId);
    EXPECT_EQ(order, (std::vector<int>{150, 140, 132, 133}));
    paint.RemoveAll();
}

// The shuffle worked by hand for seed h + m + s: one draw discarded, n = draw
// AND 31, n + 1 further draws discarded, then one key per card in creation
// order; the deck sorted by falling key, equal keys in their earlier order.
// Returns the faces in deal order and whether two keys were equal.
std::pair<std::vector<int>, bool> HandShuffle(const std::vector<int>& created, std::uint32_t seed)
{
    std::uint32_t state = seed;
    auto draw = [&] {
        state = state * 214013u + 2531011u;
        return int((state >> 16) & 0x7FFF);
    };
    draw();
    for (int skip = (draw() & 31) + 1; skip > 0; --skip)
        draw();
    std::vector<std::pair<int, int>> keyed; // (key, face)
    for (int face : created)
        keyed.emplace_back(draw(), face);
    std::stable_sort(keyed.begin(), keyed.end(), [](auto a, auto b) { return a.first > b.first; });
    bool tie = false;
    std::vector<int> faces;
    for (std::size_t i = 0; i < keyed.size(); ++i) {
        faces.push_back(keyed[i].second);
        tie = tie || (i > 0 && keyed[i].first == keyed[i - 1].first);
    }
    return {faces, tie};
}

TEST(Shuffle, DealsByFallingKeyForEveryClockSeed)
{
    Stock created;
    created.Fill();
    std::vector<int> order;
    for (const Card* card : created.Cards)
        order.push_back(card->FaceId);
    ASSERT_EQ(order.size(), 52u);
    EXPECT_EQ(order.front(), 158); // hearts from the Two first
    EXPECT_EQ(order[12], 166);
    EXPECT_EQ(order.back(), 180); // the Ace of spades last

    // Seeds 0 (midnight) to 141 (23:59:59) cover every clock; some of them
    // draw equal keys, which must keep the earlier card first.
    int seedsWithTies = 0;
    for (int seed = 0; seed <= 23 + 59 + 59; ++seed) {
        const int hour = std::min(seed, 23);
        const int minute = std::min(seed - hour, 59);
        platform::setFixedLocalTime(platform::LocalTime{hour, minute, seed - hour - minute});
        Stock stock;
        Random random;
        stock.NewDeck(false, random);
        std::vector<int> dealt;
        for (const Card* card : stock.Cards)
            dealt.push_back(card->FaceId);
        const auto [expected, tie] = HandShuffle(order, std::uint32_t(seed));
        ASSERT_EQ(dealt, expected) << "seed " << seed;
        seedsWithTies += tie ? 1 : 0;
    }
    platform::setFixedLocalTime(std::nullopt);
    EXPECT_GT(seedsWithTies, 0);

    // One deal pinned as golden data: 13:24:35.
    platform::setFixedLocalTime(platform::LocalTime{13, 24, 35});
    Stock stock;
    Random random;
    stock.NewDeck(false, random);
    platform::setFixedLocalTime(std::nullopt);
    std::vector<int> firstFive;
    for (const Card* card : stock.Cards)
        if (firstFive.size() < 5)
            firstFive.push_back(card->FaceId);
    EXPECT_EQ(firstFive, (std::vector<int>{133, 162, 156, 151, 182}));
}

TEST(CheckWon, GranniesClockWithEveryPileEmptyIsWon)
{
    GameTable table;
    table.GameId = GameId::GranniesClock;
    for (int i = 0; i < 13; ++i)
        table.Piles.AddTail(new Pile(500));
    EXPECT_EQ(table.CheckWon(191), 1);
    EXPECT_EQ(table.Won, 1);
}

TEST(CheckWon, FoundationsMayKeepCardsButNothingElse)
{
    GameTable table;
    table.GameId = GameId::Klondike;
    auto* foundation = new Pile(FoundationKind);
    auto* column = new Pile(500);
    table.Piles.AddTail(foundation);
    table.Piles.AddTail(column);
    foundation->AddTop(new Card(140));
    column->AddTop(new Card(132));
    EXPECT_EQ(table.CheckWon(191), 0);
    delete column->TakeTop();
    table.Stock.AddTop(new Card(133));
    EXPECT_EQ(table.CheckWon(191), 0); // a card in the stock
    delete table.Stock.TakeTop();
    EXPECT_EQ(table.CheckWon(191), 1);

    GameTable none; // no game dealt: nothing is tested
    EXPECT_EQ(none.CheckWon(191), 0);

    GameTable clock;
    clock.GameId = GameId::GranniesClock;
    auto* hour = new Pile(500);
    clock.Piles.AddTail(hour);
    hour->AddTop(new Card(140));
    hour->Top()->ShowImage(191);
    EXPECT_EQ(clock.CheckWon(191), 0);
    hour->Top()->ShowImage(140);
    EXPECT_EQ(clock.CheckWon(191), 1);
}

class Animation : public ::testing::Test {
protected:
    TableState table;
    void SetUp() override
    {
        table.ClientSize = QSize(800, 600);
        table.GameTable.Stock.Fill();
        table.GameTable.Stock.ShowAll(table.PaintList);
        CarouselLayout(table);
    }
    Card& Nth(int n)
    {
        auto it = table.PaintList.begin();
        std::advance(it, n);
        return **it;
    }
};

TEST_F(Animation, CarouselLaysTheDeckOutRoundTheCentre)
{
    // Centre (400, 300): hearts on top, clubs right, diamonds below, spades left.
    EXPECT_EQ(Nth(0).Bounds, Rect::At(263, 103, 71, 96));
    EXPECT_EQ(Nth(12).Bounds, Rect::At(323, 103, 71, 96));
    EXPECT_EQ(Nth(13).Bounds, Rect::At(542, 204, 71, 96));
    EXPECT_EQ(Nth(25).Bounds, Rect::At(542, 264, 71, 96));
    EXPECT_EQ(Nth(26).Bounds, Rect::At(466, 401, 71, 96));
    EXPECT_EQ(Nth(38).Bounds, Rect::At(406, 401, 71, 96));
    EXPECT_EQ(Nth(39).Bounds, Rect::At(187, 300, 71, 96));
    EXPECT_EQ(Nth(51).Bounds, Rect::At(187, 240, 71, 96));
    EXPECT_EQ(Nth(0).Direction, Right);
    EXPECT_EQ(Nth(13).Direction, Down);
    EXPECT_EQ(Nth(26).Direction, Left);
    EXPECT_EQ(Nth(39).Direction, Up);
    EXPECT_EQ(Nth(0).FaceId, 158);
    EXPECT_EQ(Nth(13).FaceId, 132);
}

TEST_F(Animation, CarouselStepsTurnEveryCorner)
{
    Card card(140);
    // Right along the top until past W/2 + 142, then to the top of the right side.
    card.MoveTo(537, 103);
    card.Direction = Right;
    CarouselStep(table, card);
    EXPECT_EQ(card.Bounds.left, 542); // 542 is not past 542
    EXPECT_EQ(card.Direction, Right);
    CarouselStep(table, card);
    EXPECT_EQ(card.Bounds, Rect::At(542, 204, 71, 96));
    EXPECT_EQ(card.Direction, Down);
    // Down past H/2 + 101 to the right end of the bottom side.
    card.MoveTo(542, 401);
    CarouselStep(table, card);
    EXPECT_EQ(card.Bounds, Rect::At(466, 401, 71, 96));
    EXPECT_EQ(card.Direction, Left);
    // Left until its right edge is past W/2 - 142, to the bottom of the left side.
    card.MoveTo(187, 401);
    CarouselStep(table, card);
    EXPECT_EQ(card.Bounds, Rect::At(187, 300, 71, 96));
    EXPECT_EQ(card.Direction, Up);
    // Up until its bottom edge is past H/2 - 101, back to the start of the top.
    card.MoveTo(187, 108);
    CarouselStep(table, card);
    EXPECT_EQ(card.Top(), 103); // its bottom, 199, is not above 199
    CarouselStep(table, card);
    EXPECT_EQ(card.Bounds, Rect::At(263, 103, 71, 96));
    EXPECT_EQ(card.Direction, Right);
    card.Direction = 0;
    CarouselStep(table, card);
    EXPECT_EQ(card.Bounds, Rect::At(263, 103, 71, 96));
}

TEST_F(Animation, TickMovesEveryCardAndMarksBothPlaces)
{
    table.DirtyRect = {};
    Tick(table);
    EXPECT_EQ(Nth(0).Bounds, Rect::At(268, 103, 71, 96));
    EXPECT_EQ(Nth(13).Bounds, Rect::At(542, 209, 71, 96));
    EXPECT_EQ(table.DirtyRect, (Rect{187, 103, 613, 497}));
}

TEST_F(Animation, TheWinDanceKeepsEveryCardInsideTheClientArea)
{
    table.GameTable.Won = 1;
    table.Generator.Seed(99);
    std::vector<Rect> start;
    for (const Card* card : table.PaintList)
        start.push_back(card->Bounds);
    for (int tick = 0; tick < 400; ++tick) {
        Tick(table);
        for (const Card* card : table.PaintList) {
            ASSERT_GE(card->Left(), 0);
            ASSERT_GE(card->Top(), 0);
            ASSERT_LE(card->Bounds.right, 800);
            ASSERT_LE(card->Bounds.bottom, 600);
        }
    }
    int moved = 0;
    int i = 0;
    for (const Card* card : table.PaintList)
        moved += card->Bounds == start[std::size_t(i++)] ? 0 : 1;
    EXPECT_GT(moved, 40);

    // One step by hand: draws 41 (odd: right), 18467 AND 25 = 1; then 6334
    // (even: up), 26500 AND 25 = 0.
    table.Generator.Seed(1);
    Card card(140);
    card.MoveTo(100, 100);
    WinDanceStep(table, card);
    EXPECT_EQ(card.Bounds, Rect::At(101, 100, 71, 96));
}

} // namespace
} // namespace quenby
