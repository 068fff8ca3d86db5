// Little Spider through the real view: the deal, the stock's eight-card
// deals, the foundation rules (lower row while the stock lasts, the colours of
// the Aces and Kings), the upper row's building once the stock is gone, and a win.
#include "games_a_moves.h"

#include <map>

namespace quenby::test::gamesa {
namespace {

constexpr int UpperAt = 4; // 4..7, PileNumber 5..8
constexpr int LowerAt = 8; // 8..11, PileNumber 9..12
constexpr int DumpAt = 11; // where the cards a case does not use wait

TEST(LittleSpiderDeal, EightTableauCardsAndFortyFourInTheStock)
{
    TableHarness h({800, 600}, {6, 2, 51});
    StartGame(h, GameId::LittleSpider);
    const std::vector<int> order = DealOrder();
    ASSERT_EQ(h.PileCount(), 12);
    const QPoint offsets[12] = {{-150, -48},  {-75, -48},  {4, -48},  {80, -48}, {-150, -149}, {-75, -149},
                                {4, -149},    {80, -149},  {-150, 53}, {-75, 53}, {4, 53},      {80, 53}};
    for (int i = 0; i < 12; ++i) {
        const Pile& pile = h.PileAt(i);
        EXPECT_EQ(pile.PileKind, i < 4 ? 100 : 500) << "pile " << i;
        EXPECT_EQ(pile.PileNumber, i + 1);
        EXPECT_EQ(pile.GetRect(), Rect::At(400 + offsets[i].x(), 300 + offsets[i].y(), 71, 96)) << "pile " << i;
        if (i < 4) {
            EXPECT_EQ(pile.Count(), 0);
            continue;
        }
        EXPECT_EQ(BottomUp(pile), Slice(order, i - 4, 1));
        EXPECT_EQ(pile.Top()->Bounds, pile.GetRect());
        EXPECT_FALSE(pile.Top()->IsFaceDown(h.Table().CardBackId));
    }
    const LittleSpiderGame& game = std::get<LittleSpiderGame>(h.Game().Game);
    std::vector<const Pile*> foundations(game.FoundationList.begin(), game.FoundationList.end());
    EXPECT_EQ(foundations, (std::vector<const Pile*>{&h.PileAt(0), &h.PileAt(1), &h.PileAt(2), &h.PileAt(3)}));
    EXPECT_EQ(h.Game().Stock.Count(), 44);
    EXPECT_EQ(h.Game().Stock.Cards.Head()->FaceId, order[8]);
    EXPECT_EQ(h.Game().Stock.GetRect(), Rect::At(400 - 236, 300 - 48, 71, 96));
    EXPECT_TRUE(h.Invariants());

    Resize(h, 640, 480);
    EXPECT_EQ(h.PileAt(LowerAt).Top()->Bounds, Rect::At(320 - 150, 240 + 53, 71, 96));
    EXPECT_EQ(h.Game().Stock.GetRect(), Rect::At(320 - 236, 240 - 48, 71, 96));
}

TEST(LittleSpiderStock, DealsOneCardToEveryPileUntilTheUpperRowTakesTheLastFour)
{
    TableHarness h({800, 600}, {23, 59, 59});
    StartGame(h, GameId::LittleSpider);
    const std::vector<int> order = DealOrder();
    const QPoint stockCentre = TableHarness::CentreOf(h.Game().Stock.GetRect());
    int next = 8;
    for (int click = 1; click <= 6; ++click) {
        SCOPED_TRACE(click);
        h.ClearSounds();
        ClickStock(h);
        EXPECT_EQ(h.Sounds(), QStringList{"UP.WAV"});
        for (int i = UpperAt; i < 12 && next < 52; ++i, ++next)
            EXPECT_EQ(h.PileAt(i).Top()->FaceId, order[std::size_t(next)]) << "upper row, then lower row";
    }
    for (int i = UpperAt; i < 12; ++i)
        EXPECT_EQ(h.PileAt(i).Count(), i < LowerAt ? 7 : 6);
    EXPECT_EQ(h.Game().Stock.Count(), 0);
    EXPECT_EQ(PixelAt(h, stockCentre), TableColour(h)) << "the empty stock shows an outline";

    h.ClearSounds();
    ClickStock(h);
    EXPECT_TRUE(h.Sounds().isEmpty()) << "the empty stock is silent";
    EXPECT_EQ(h.PileAt(UpperAt).Count(), 7);
}

// One card offered from pile `from` to pile `to` of an arranged table.
struct SpiderCase {
    const char* name;
    std::map<int, std::vector<int>> piles; // pile index -> faces, bottom up
    int from;
    int held;
    int to;
    bool stockLasts;
    bool accepted;
};

TEST(LittleSpiderRules, FoundationsAndTheUpperRow)
{
    const int hA = Face(Ace, Hearts), sK = Face(King, Spades), h6 = Face(6, Hearts);
    const int first = 0, second = 1, fourth = 3, up1 = UpperAt, up2 = UpperAt + 1, low1 = LowerAt, low2 = LowerAt + 1;
    const bool lasts = true, gone = false;
    const SpiderCase cases[] = {
        // Foundations while the stock lasts.
        {"lower-row card on the foundation directly above it", {{first, {hA}}}, low1, Face(2, Hearts), first, lasts, true},
        {"lower-row card refused on another column's foundation", {{second, {hA}}}, low1, Face(2, Hearts), second, lasts, false},
        {"the same card taken there once the stock is empty", {{second, {hA}}}, low1, Face(2, Hearts), second, gone, true},
        {"upper-row card on any foundation", {{second, {hA}}}, up1, Face(2, Hearts), second, lasts, true},
        {"lower-row Ace starts any empty foundation", {}, low2, Face(Ace, Clubs), fourth, lasts, true},
        {"only an Ace or a King starts a foundation", {}, up1, Face(5, Spades), first, lasts, false},
        // The colours of the bases.
        {"second Ace of the first Ace's colour", {{first, {hA}}}, up1, Face(Ace, Diamonds), second, lasts, true},
        {"second Ace of the other colour refused", {{first, {hA}}}, up1, Face(Ace, Clubs), second, lasts, false},
        {"King of the other colour after a red Ace", {{first, {hA}}}, up1, Face(King, Clubs), second, lasts, true},
        {"King of the first Ace's suit refused", {{first, {hA}}}, up1, Face(King, Hearts), second, lasts, false},
        {"Ace of the first King's colour refused", {{first, {sK}}}, up1, Face(Ace, Clubs), second, lasts, false},
        {"Ace of the other colour after a black King", {{first, {sK}}}, up1, Face(Ace, Diamonds), second, lasts, true},
        // Building on the foundations.
        {"King foundation builds down in suit", {{first, {sK}}}, up1, Face(Queen, Spades), first, lasts, true},
        {"Ace refused on a King foundation's King", {{first, {sK}}}, up1, Face(Ace, Spades), first, lasts, false},
        {"King refused on an Ace foundation's Ace", {{first, {hA}}}, up1, Face(King, Hearts), first, lasts, false},
        {"foundation refuses another suit", {{first, {hA}}}, up1, Face(2, Diamonds), first, lasts, false},
        // The tableau.
        {"no tableau building while the stock lasts", {{up2, {h6}}}, up1, Face(7, Clubs), up2, lasts, false},
        {"upper row takes one rank up in any suit", {{up2, {h6}}}, low1, Face(7, Clubs), up2, gone, true},
        {"upper row takes one rank down in any suit", {{up2, {h6}}}, low1, Face(5, Hearts), up2, gone, true},
        {"upper row refuses two ranks apart", {{up2, {h6}}}, low1, Face(8, Clubs), up2, gone, false},
        {"King on an Ace in the upper row", {{up2, {Face(Ace, Diamonds)}}}, low1, Face(King, Clubs), up2, gone, true},
        {"Two refused on an Ace in the upper row", {{up2, {Face(Ace, Diamonds)}}}, low1, Face(2, Clubs), up2, gone, false},
        {"Ace on a King in the upper row", {{up2, {Face(King, Diamonds)}}}, low1, Face(Ace, Clubs), up2, gone, true},
        {"Queen refused on a King in the upper row", {{up2, {Face(King, Diamonds)}}}, low1, Face(Queen, Clubs), up2, gone, false},
        {"lower row never takes a card", {{low2, {h6}}}, up1, Face(7, Clubs), low2, gone, false},
        {"an emptied upper-row pile stays empty", {}, low1, Face(King, Clubs), up2, gone, false},
    };
    for (const SpiderCase& c : cases) {
        SCOPED_TRACE(c.name);
        TableHarness h;
        StartGame(h, GameId::LittleSpider);
        h.SweepToStock();
        DumpStockOn(h, h.PileAt(DumpAt));
        for (const auto& [index, faces] : c.piles)
            for (int face : faces)
                h.Put(face, h.PileAt(index));
        h.Put(c.held, h.PileAt(c.from));
        if (c.stockLasts)
            h.PutInStock(h.PileAt(DumpAt).Top()->FaceId);
        h.Redraw();
        const int before = h.PileAt(c.to).Count();
        h.ClearSounds();

        DragTopOnto(h, c.from, c.to);
        EXPECT_EQ(h.PileAt(c.to).Count(), before + (c.accepted ? 1 : 0));
        EXPECT_EQ(h.PileAt(c.accepted ? c.to : c.from).Top()->FaceId, c.held);
        EXPECT_EQ(h.Find(c.held)->Bounds, h.PileAt(c.accepted ? c.to : c.from).GetRect());
        EXPECT_EQ(h.Sounds(), QStringList({"UP.WAV", "DOWN.WAV"}));
    }
}

TEST(LittleSpiderRules, FoundationCardsNeverMove)
{
    TableHarness h;
    StartGame(h, GameId::LittleSpider);
    h.Put(Face(Ace, Hearts), h.PileAt(0));
    h.Redraw();
    h.ClearSounds();
    h.Press(h.TopCardCentre(0));
    EXPECT_TRUE(h.HeldCards().empty());
    h.Release(h.TopCardCentre(0));
    EXPECT_TRUE(h.Sounds().isEmpty());
    EXPECT_EQ(h.PileAt(0).Top()->FaceId, Face(Ace, Hearts));
}

TEST(LittleSpiderWin, TheLastCardHomeStartsTheDance)
{
    TableHarness h;
    StartGame(h, GameId::LittleSpider);
    h.SweepToStock();
    // Hearts and diamonds up from their Aces, clubs and spades down from
    // their Kings; the Ace of spades waits in the upper row.
    for (int rank = Ace; rank <= King; ++rank) {
        h.Put(Face(rank, Hearts), h.PileAt(0));
        h.Put(Face(rank, Diamonds), h.PileAt(1));
        h.Put(Face(King + 1 - rank, Clubs), h.PileAt(2));
        if (rank < King)
            h.Put(Face(King + 1 - rank, Spades), h.PileAt(3));
    }
    h.Put(Face(Ace, Spades), h.PileAt(UpperAt + 2));
    h.Redraw();
    ASSERT_EQ(h.Game().Stock.Count(), 0);

    DragTopOnto(h, UpperAt + 2, 3);
    EXPECT_EQ(h.PileAt(3).Count(), 13);
    EXPECT_EQ(h.Game().Won, 1);
    EXPECT_TRUE(h.View().TimerRunning()) << "the dance starts";
    ASSERT_TRUE(h.Tick());
    EXPECT_TRUE(h.Invariants());
}

} // namespace
} // namespace quenby::test::gamesa
