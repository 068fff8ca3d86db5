// The shuffle, the deals of Calculation and Beleaguered Castle, the shared
// pick-up, drag and drop played through the view, the win, and the painting,
// a drag's paints paced to the frames among it.
#include "harness.h"

#include <games/codes.h>

#include <QApplication>
#include <QRandomGenerator>
#include <QTest>
#include <algorithm>
#include <set>

namespace tollmere::test {
namespace {

constexpr QSize Client{800, 600};

std::vector<CardId> DeckOrder(const CardDeck& deck)
{
    std::vector<CardId> ids;
    for (const auto& card : deck.Cards)
        ids.push_back(IdOf(*card));
    return ids;
}

std::vector<CardId> Without(std::vector<CardId> cards, const std::vector<CardId>& taken)
{
    for (const CardId& id : taken)
        cards.erase(std::find(cards.begin(), cards.end(), id));
    return cards;
}

CardId FirstOfRank(const std::vector<CardId>& order, int rankCode)
{
    return *std::find_if(order.begin(), order.end(), [&](const CardId& id) { return id.first == rankCode; });
}

struct PileShape {
    int Kind;
    int Fan;
    int X;
    int Y;
};

void ExpectShape(Harness& h, const std::vector<PileShape>& shapes)
{
    ASSERT_EQ(h.Frame().PileCount(), int(shapes.size()));
    for (int i = 0; i < int(shapes.size()); ++i) {
        const Pile& pile = h.PileAt(i);
        const PileShape& want = shapes[std::size_t(i)];
        EXPECT_EQ(pile.Kind, want.Kind) << "pile " << i;
        EXPECT_EQ(pile.FanRule == fan::Down || pile.FanRule == fan::Right ? pile.FanRule : fan::Stacked, want.Fan)
            << "pile " << i;
        EXPECT_EQ(QPoint(pile.X, pile.Y), QPoint(want.X, want.Y)) << "pile " << i;
        for (int n = 0; n < pile.Count(); ++n) {
            const int step = n * (want.Fan == fan::Down ? 30 : want.Fan == fan::Right ? 15 : 0);
            const QPoint place = want.Fan == fan::Right ? QPoint(want.X + step, want.Y) : QPoint(want.X, want.Y + step);
            EXPECT_EQ(pile.Cards[std::size_t(n)]->Bounds, Rect::At(place.x(), place.y(), 71, 96))
                << "pile " << i << " card " << n;
        }
    }
}

// --- The cards ---

TEST(Cards, EachRankAndSuitShowsItsOwnFace)
{
    struct Row {
        int rankCode, suitCode, faceId;
    };
    const Row rows[] = {
        {rank::Ace, suit::Spades, 179},     {rank::Queen, suit::Spades, 134},   {rank::Two, suit::Spades, 169},
        {rank::King, suit::Hearts, 167},    {rank::Jack, suit::Hearts, 136},    {rank::Ace, suit::Clubs, 190},
        {rank::Two, suit::Clubs, 180},      {rank::Ten, suit::Diamonds, 154},   {rank::Two, suit::Diamonds, 149},
        {110 /* Seven */, suit::Diamonds, 151}, {111 /* Six */, suit::Diamonds, 138},
        {102, suit::Spades, 0},             {rank::Ace, 120, 0}, // no such rank, no such suit
    };
    for (const Row& row : rows)
        EXPECT_EQ(FaceBitmap(row.rankCode, row.suitCode), row.faceId) << row.rankCode << " " << row.suitCode;
}

// --- The shuffle ---

TEST(Shuffle, FollowsTheGeneratorAndDependsOnTheSumOfTheClockOnly)
{
    std::vector<CardId> first;
    {
        Harness h(Client, {10, 20, 30});
        h.Start(GameId::Calculation);
        first = DeckOrder(h.Deck());
        // A second game in the same run carries the generator on.
        std::uint32_t state = 1;
        ShuffleOracle({10, 20, 30}, state);
        h.Start(GameId::Calculation);
        EXPECT_EQ(DeckOrder(h.Deck()), ShuffleOracle({10, 20, 30}, state));
    }
    EXPECT_EQ(first, FirstDeal({10, 20, 30}));
    Harness other(Client, {10, 30, 20});
    other.Start(GameId::BeleagueredCastle);
    EXPECT_EQ(DeckOrder(other.Deck()), first) << "10:30:20 sums as 10:20:30 does";
    Harness later(Client, {10, 30, 21});
    later.Start(GameId::Calculation);
    EXPECT_NE(DeckOrder(later.Deck()), first);
    EXPECT_TRUE(later.Invariants());
}

TEST(Shuffle, SortsAsTheOracleForEveryClockSumAndEqualKeys)
{
    // Every sum the clock can make, three deals each from one deck; some of
    // these deals draw the same key twice, which keeps creation order.
    int dealsWithEqualKeys = 0;
    for (int sum = 0; sum <= 23 + 59 + 59; ++sum) {
        const platform::LocalTime clock{std::min(sum, 23), std::clamp(sum - 23, 0, 59), std::max(sum - 82, 0)};
        platform::setFixedLocalTime(clock);
        CardDeck deck;
        std::uint32_t state = 1;
        for (int deal = 0; deal < 3; ++deal) {
            deck.Shuffle();
            ASSERT_EQ(DeckOrder(deck), ShuffleOracle(clock, state)) << "sum " << sum << " deal " << deal;
            std::set<int> keys;
            for (const Card* card : deck.Cards)
                keys.insert(card->ShuffleKey);
            dealsWithEqualKeys += keys.size() < deck.Cards.size();
        }
    }
    EXPECT_GT(dealsWithEqualKeys, 5);
}

TEST(Shuffle, EveryGameShufflesWithItsSoundAndSoundOffIsSilent)
{
    Harness h;
    h.Start(GameId::Calculation);
    EXPECT_EQ(h.Sounds(), QStringList{"SHUFFLE.WAV"});
    h.ClearSounds();
    h.View().OnSound();
    h.Start(GameId::BeleagueredCastle);
    h.Click(Centre(h.PileAt(0).Top()->Bounds));
    EXPECT_TRUE(h.Sounds().isEmpty());
}

// --- Calculation ---

TEST(Calculation, DealsBasesOfOneToFourAndAFaceDownStock)
{
    Harness h;
    h.Start(GameId::Calculation);
    const std::vector<CardId> order = FirstDeal();
    const std::vector<CardId> bases{FirstOfRank(order, rank::Ace), FirstOfRank(order, rank::Two),
                                    FirstOfRank(order, rank::Three), FirstOfRank(order, rank::Four)};
    // Centred in 800 by 600: the table is 471 by 206.
    ExpectShape(h, {{kind::Stock, fan::Stacked, 165, 197},
                    {kind::Foundation, fan::Stacked, 265, 197},
                    {kind::Foundation, fan::Stacked, 365, 197},
                    {kind::Foundation, fan::Stacked, 465, 197},
                    {kind::Foundation, fan::Stacked, 565, 197},
                    {kind::Waste, fan::Stacked, 265, 307},
                    {kind::Waste, fan::Stacked, 365, 307},
                    {kind::Waste, fan::Stacked, 465, 307},
                    {kind::Waste, fan::Stacked, 565, 307}});
    EXPECT_EQ(CardsOf(h.PileAt(0)), Without(order, bases));
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(CardsOf(h.PileAt(1 + i)), std::vector<CardId>{bases[std::size_t(i)]});
        EXPECT_EQ(h.PileAt(1 + i).Top()->FaceUp, 1);
        EXPECT_TRUE(h.PileAt(5 + i).IsEmpty());
    }
    for (const Card* card : h.PileAt(0).Cards)
        EXPECT_EQ(card->FaceUp, 0);
    EXPECT_EQ(h.Deck().ExtentWidth, 471);
    EXPECT_EQ(h.Deck().ExtentHeight, 206);
    EXPECT_TRUE(h.Invariants());
}

TEST(Calculation, AnyCardGoesAnywhereAndTheStockCardTurnsUpAsItIsLifted)
{
    Harness h;
    h.Start(GameId::Calculation);
    h.ClearSounds();
    Card& stockTop = *h.PileAt(0).Top();

    // Dropped back on its own pile: no target, silently home, but face up now.
    DragOnto(h, stockTop, Centre(stockTop.Bounds), h.PileAt(0));
    EXPECT_EQ(h.PileAt(0).Top(), &stockTop);
    EXPECT_EQ(stockTop.FaceUp, 1);
    EXPECT_EQ(h.Sounds(), QStringList{"UP.WAV"});

    // Onto a foundation whatever its count, then on to a waste.
    h.ClearSounds();
    DragTopOnto(h, 0, 2);
    EXPECT_EQ(h.PileAt(2).Top(), &stockTop);
    EXPECT_EQ(h.PileAt(2).Count(), 2);
    EXPECT_EQ(h.Sounds(), (QStringList{"UP.WAV", "DOWN.WAV"}));
    DragTopOnto(h, 2, 7);
    DragTopOnto(h, 0, 7);
    EXPECT_EQ(h.PileAt(7).Count(), 2);
    // A foundation's base card can be lifted too, and the stock takes cards.
    DragTopOnto(h, 1, 0);
    EXPECT_EQ(h.PileAt(0).Top()->RankCode, rank::Ace);
    EXPECT_TRUE(h.PileAt(1).IsEmpty());

    // A press on an empty pile or on the bare table lifts nothing, silently.
    h.ClearSounds();
    h.Click(Centre(h.PileAt(1).Bounds));
    h.Click({5, 5});
    EXPECT_TRUE(h.Sounds().isEmpty());
    EXPECT_FALSE(h.Frame().DragPile);
}

TEST(Calculation, ADropEvenlyOverTwoPilesGoesToTheLaterOne)
{
    Harness h;
    h.Start(GameId::Calculation);
    const Card& card = *h.PileAt(0).Top();
    // Wastes 5 and 6 lie at x 265 and 365: a card at x 315 covers 21
    // columns of each; one at 314 covers more of waste 5.
    const QPoint grab = Into(card, 20, 20);
    h.DragTo(grab, QPoint(315, 307) + QPoint(20, 20));
    EXPECT_EQ(h.PileAt(6).Count(), 1);
    DragOnto(h, card, Into(card, 20, 20), h.PileAt(0));
    h.DragTo(Into(*h.PileAt(0).Top(), 20, 20), QPoint(314, 307) + QPoint(20, 20));
    EXPECT_EQ(h.PileAt(5).Count(), 1);
    // A drop over nothing but the table goes home silently.
    h.ClearSounds();
    h.DragTo(Into(*h.PileAt(5).Top(), 20, 20), {20, 20});
    EXPECT_EQ(h.PileAt(5).Count(), 1);
    EXPECT_EQ(h.Sounds(), QStringList{"UP.WAV"});
    EXPECT_TRUE(h.RepaintedWhole());
}

TEST(Calculation, IsWonOnceWhenStockAndWastesAreEmpty)
{
    Harness h;
    h.Start(GameId::Calculation);
    // Everything but one stock card goes to the foundations, out of order.
    while (h.PileAt(0).Count() > 1)
        h.Put(IdOf(*h.PileAt(0).Top()), h.PileAt(1 + h.PileAt(0).Count() % 4));
    h.Put(IdOf(*h.PileAt(1).Top()), h.PileAt(6));
    h.Redraw();
    DragTopOnto(h, 0, 3);
    EXPECT_EQ(h.Wins(), 0) << "a waste still holds a card";
    DragTopOnto(h, 6, 4);
    EXPECT_EQ(h.Wins(), 1);
    EXPECT_EQ(h.Table().Won, 1);
    EXPECT_EQ(h.Config().Won[3], 1);
    // Play goes on, but the deal is never counted again.
    DragTopOnto(h, 4, 5);
    DragTopOnto(h, 5, 4);
    h.Click(Centre(h.PileAt(1).Bounds));
    EXPECT_EQ(h.Wins(), 1);
    EXPECT_EQ(h.Config().Won[3], 1);
    // A new deal can be won again.
    h.Start(GameId::Calculation);
    EXPECT_EQ(h.Table().Won, 0);
}

// --- Beleaguered Castle ---

TEST(BeleagueredCastle, DealsTheAcesInAColumnAndEightRowsOfSix)
{
    Harness h;
    h.Start(GameId::BeleagueredCastle);
    const std::vector<CardId> order = FirstDeal();
    std::vector<CardId> aces;
    for (const CardId& id : order)
        if (id.first == rank::Ace)
            aces.push_back(id);
    const std::vector<CardId> rest = Without(order, aces);
    // 411 pixels of places, plus 150 for the right rows, shifted 75 left.
    std::vector<PileShape> shapes;
    for (int row = 0; row < 4; ++row) {
        const int y = 102 + 100 * row;
        shapes.push_back({kind::Waste, fan::Right, 120, y});
        shapes.push_back({kind::Foundation, fan::Stacked, 360, y});
        shapes.push_back({kind::Waste, fan::Right, 460, y});
    }
    ExpectShape(h, shapes);
    int dealt = 0;
    for (int i = 0; i < 12; ++i) {
        const Pile& pile = h.PileAt(i);
        if (i % 3 == 1) {
            EXPECT_EQ(CardsOf(pile), std::vector<CardId>{aces[std::size_t(i / 3)]});
        } else {
            EXPECT_EQ(CardsOf(pile), std::vector<CardId>(rest.begin() + dealt, rest.begin() + dealt + 6));
            EXPECT_EQ(pile.Bounds, Rect::At(pile.X, pile.Y, 75 + 71, 96));
            dealt += 6;
        }
        for (const Card* card : pile.Cards)
            EXPECT_EQ(card->FaceUp, 1);
    }
    EXPECT_EQ(h.Deck().ExtentWidth, 561);
    EXPECT_TRUE(h.Invariants());
}

TEST(BeleagueredCastle, LiftsARunByThe15PixelStripsAndLaysItFannedOnAnyPile)
{
    Harness h;
    h.Start(GameId::BeleagueredCastle);
    Pile& row = h.PileAt(0);
    const std::vector<CardId> before = CardsOf(row);

    // The strip of the third card lifts it with the three lying over it.
    h.Press(Into(*row.Cards[2], 7, 50));
    ASSERT_TRUE(h.Frame().DragPile);
    EXPECT_EQ(CardsOf(*h.Frame().DragPile), std::vector<CardId>(before.begin() + 2, before.end()));
    EXPECT_EQ(row.Count(), 2);
    EXPECT_EQ(row.Bounds, Rect::At(120, 102, 15 + 71, 96));
    // Dragged, they stay fanned 15 pixels apart.
    h.Move(Into(*row.Cards[1], 100, 150), true);
    const Pile& held = *h.Frame().DragPile;
    for (int i = 1; i < held.Count(); ++i)
        EXPECT_EQ(held.Cards[std::size_t(i)]->Bounds.left - held.Cards[std::size_t(i - 1)]->Bounds.left, 15);
    EXPECT_TRUE(h.RepaintedWhole());
    // Laid on a foundation, they stack there.
    h.Move(QPoint(360, 202) + QPoint(7, 50), true);
    h.Release(QPoint(360, 202) + QPoint(7, 50));
    EXPECT_FALSE(h.Frame().DragPile);
    EXPECT_EQ(h.PileAt(4).Count(), 5);
    for (const Card* card : h.PileAt(4).Cards)
        EXPECT_EQ(card->Bounds, Rect::At(360, 202, 71, 96));
    EXPECT_TRUE(h.RepaintedWhole());

    // A press past the strips lifts the last card alone; a run laid on a row
    // is fanned after its last card.
    h.Press(Into(*h.PileAt(2).Top(), 40, 50));
    EXPECT_EQ(h.Frame().DragPile->Count(), 1);
    h.Release(Into(*h.PileAt(2).Top(), 40, 50));
    EXPECT_EQ(h.PileAt(2).Count(), 6);
    DragOnto(h, *h.PileAt(3).Cards[4], Into(*h.PileAt(3).Cards[4], 5, 5), h.PileAt(5));
    EXPECT_EQ(h.PileAt(5).Count(), 8);
    EXPECT_EQ(h.PileAt(5).Top()->Bounds.left, 460 + 7 * 15);
    // A foundation gives up its top card only.
    h.Press(Centre(h.PileAt(4).Bounds));
    EXPECT_EQ(h.Frame().DragPile->Count(), 1);
}

TEST(BeleagueredCastle, CardsReleasedOutsideStayHeldUntilTheNextPress)
{
    Harness h;
    h.Start(GameId::BeleagueredCastle);
    Pile& row = h.PileAt(2);
    const std::vector<CardId> before = CardsOf(row);
    h.Press(Into(*row.Cards[3], 5, 40));
    h.Move({900, 40}, true);
    h.Release({900, 40}); // outside the window: never seen
    ASSERT_TRUE(h.Frame().DragPile);
    // Back over the window they follow the pointer, button up or not.
    h.Move({300, 560}, false);
    EXPECT_EQ(h.Frame().DragPile->Bounds.top, 560 - 40);
    EXPECT_TRUE(h.RepaintedWhole());
    // The next press sends them home first, then lifts what it hits.
    h.ClearSounds();
    h.Press(Into(*h.PileAt(0).Top(), 40, 40));
    EXPECT_EQ(CardsOf(row), before);
    ASSERT_TRUE(h.Frame().DragPile);
    EXPECT_EQ(h.Frame().DragPile->Source, &h.PileAt(0));
    EXPECT_EQ(h.Sounds(), QStringList{"UP.WAV"});
    h.Release(Into(*h.Frame().DragPile->Cards[0], 40, 40));
    EXPECT_TRUE(h.Invariants());
    EXPECT_TRUE(h.RepaintedWhole());
}

TEST(BeleagueredCastle, IsWonWhenEveryRowIsEmpty)
{
    Harness h;
    h.Start(GameId::BeleagueredCastle);
    // All rows but the last onto the foundations, any order.
    for (int i = 0; i < 11; ++i)
        if (i % 3 != 1)
            h.MoveAll(h.PileAt(i), h.PileAt(1 + 3 * (i / 3)));
    h.Redraw();
    DragOnto(h, *h.PileAt(11).Cards[1], Into(*h.PileAt(11).Cards[1], 5, 40), h.PileAt(10));
    EXPECT_EQ(h.Wins(), 0);
    DragOnto(h, *h.PileAt(11).Top(), Into(*h.PileAt(11).Top(), 5, 40), h.PileAt(4));
    EXPECT_EQ(h.Wins(), 1);
    EXPECT_EQ(h.Config().Won[2], 1);
}

// --- Painting ---

TEST(Painting, OutlinesFrameEmptyPlacesAndTheTitleIsCentredWithoutThem)
{
    Harness h;
    const QImage title = h.Composed();
    const QImage picture = LoadImage(143);
    ASSERT_FALSE(picture.isNull());
    // 380 by 308, centred in 800 by 600.
    EXPECT_EQ(title.copy(210, 146, 380, 308), picture);
    EXPECT_EQ(title.pixel(209, 146), qRgb(0, 64, 64));
    EXPECT_EQ(title.pixel(5, 5), qRgb(0, 64, 64));

    h.Start(GameId::Calculation);
    const QImage table = h.Composed();
    // Waste 5's empty place at (265, 307): a black one-pixel frame.
    for (QPoint p : {QPoint(265, 307), QPoint(335, 307), QPoint(265, 402), QPoint(335, 402), QPoint(300, 307)})
        EXPECT_EQ(table.pixel(p), qRgb(0, 0, 0)) << p.x() << "," << p.y();
    for (QPoint p : {QPoint(266, 308), QPoint(336, 307), QPoint(265, 403), QPoint(264, 307)})
        EXPECT_EQ(table.pixel(p), qRgb(0, 64, 64)) << p.x() << "," << p.y();
    // The stock shows the chosen back; a foundation its card's face.
    EXPECT_EQ(table.copy(165, 197, 71, 96), LoadImage(195));
    EXPECT_EQ(table.copy(265, 197, 71, 96), h.PileAt(1).Top()->Face);
}

TEST(Painting, EveryPileLiesOnItsOutlineAtAnySize)
{
    for (const QSize client : {QSize(800, 600), QSize(700, 450)}) {
        Harness h(client);
        for (const GameInfo& game : Games) {
            h.Start(game.Id);
            const QImage& background = h.View().Surface()->Background;
            for (int i = 0; i < h.Frame().PileCount(); ++i) {
                const Pile& pile = h.PileAt(i);
                for (QPoint corner : {QPoint(pile.X, pile.Y), QPoint(pile.X + 70, pile.Y + 95)})
                    EXPECT_EQ(background.pixel(corner), qRgb(0, 0, 0)) << game.Name << " pile " << i;
                EXPECT_EQ(background.pixel(pile.X + 1, pile.Y + 1), qRgb(0, 64, 64)) << game.Name << " pile " << i;
            }
        }
    }
}

TEST(Painting, RandomMovesLeaveNoStalePixelsAtAnySize)
{
    for (const QSize client : {QSize(800, 600), QSize(500, 350)}) {
        Harness h(client);
        h.Start(GameId::BeleagueredCastle);
        QRandomGenerator random(7);
        for (int move = 0; move < 120; ++move) {
            const Pile& from = h.PileAt(random.bounded(12));
            if (from.IsEmpty())
                continue;
            const Card& card = *from.Cards[std::size_t(random.bounded(from.Count()))];
            const QPoint grab = Into(card, random.bounded(15), random.bounded(96));
            const QPoint to(random.bounded(client.width()), random.bounded(client.height()));
            h.DragTo(grab, to, 1 + random.bounded(5));
            ASSERT_TRUE(h.Invariants()) << "move " << move;
            ASSERT_TRUE(h.RepaintedWhole()) << "move " << move;
        }
    }
}

TEST(Painting, MovesHeldForTheirFrameAreCaughtUpByTheTimerOrTheDrop)
{
    Harness h;
    h.Start(GameId::BeleagueredCastle);
    platform::TablePainter& pacer = h.View().Painter();
    // A clock that stands still: every move after the pick-up is inside its frame.
    pacer.Now = [] { return qint64(0); };
    QRandomGenerator random(11);
    for (int move = 0; move < 40; ++move) {
        const Pile& from = h.PileAt(random.bounded(12));
        if (from.IsEmpty())
            continue;
        const QPoint grab = Into(*from.Top(), 5, 40);
        const QPoint to(random.bounded(Client.width()), random.bounded(Client.height()));
        h.Press(grab);
        for (int step = 1; step <= 3; ++step)
            h.Move(grab + (to - grab) * step / 3, true);
        ASSERT_TRUE(pacer.Holding()) << "move " << move;
        if (move % 2 == 0) {
            ASSERT_TRUE(QTest::qWaitFor([&pacer] { return !pacer.Holding(); }, 2000)) << "move " << move;
            ASSERT_TRUE(h.RepaintedWhole()) << "timer, move " << move;
        }
        h.Release(to);
        ASSERT_FALSE(pacer.Holding());
        ASSERT_TRUE(h.Invariants()) << "move " << move;
        ASSERT_TRUE(h.RepaintedWhole()) << "drop, move " << move;
    }
}

TEST(Painting, AResizeCentresTheTableAgainAndPaintsItWhole)
{
    Harness h;
    h.Start(GameId::Calculation);
    h.View().resize(600, 400);
    QApplication::processEvents();
    EXPECT_EQ(QPoint(h.PileAt(0).X, h.PileAt(0).Y), QPoint(65, 97));
    EXPECT_TRUE(h.RepaintedWhole());
    // Narrower than the table: negative places, clipped, not rearranged.
    h.View().resize(300, 150);
    QApplication::processEvents();
    EXPECT_EQ(QPoint(h.PileAt(0).X, h.PileAt(0).Y), QPoint(-85, -28));
    EXPECT_TRUE(h.RepaintedWhole());
}

} // namespace
} // namespace tollmere::test
