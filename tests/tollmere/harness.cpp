#include "harness.h"

#include <density.h>

#include <QApplication>
#include <QMouseEvent>
#include <QTest>

#include <algorithm>
#include <set>

namespace tollmere::test {

std::vector<CardId> ShuffleOracle(platform::LocalTime clock, std::uint32_t& state)
{
    const auto draw = [&state] {
        state = state * 214013u + 2531011u;
        return int((state >> 16) & 0x7FFF);
    };
    struct Keyed {
        CardId id;
        int key;
    };
    std::vector<Keyed> cards;
    for (int s : {suit::Spades, suit::Hearts, suit::Clubs, suit::Diamonds})
        for (int r = rank::Ace; r <= rank::Two; ++r)
            cards.push_back({{r, s}, 0});
    state = std::uint32_t(clock.hour + clock.minute + clock.second + draw());
    for (Keyed& card : cards)
        card.key = draw();
    // Repeatedly the largest key nearest the front.
    std::vector<CardId> order;
    while (!cards.empty()) {
        auto best = cards.begin();
        for (auto it = cards.begin(); it != cards.end(); ++it)
            if (it->key > best->key)
                best = it;
        order.push_back(best->id);
        cards.erase(best);
    }
    return order;
}

std::vector<CardId> FirstDeal(platform::LocalTime clock)
{
    std::uint32_t state = 1;
    return ShuffleOracle(clock, state);
}

Harness::Harness(QSize client, platform::LocalTime clock)
{
    platform::setFixedLocalTime(clock);
    SoundOn = true;
    MakeView();
    view_->resize(client);
    view_->show();
    QApplication::processEvents();
    view_->OnInitialUpdate();
}

Harness::~Harness()
{
    view_.reset();
    platform::setFixedLocalTime(std::nullopt);
}

void Harness::MakeView()
{
    view_ = std::make_unique<CSolView>(dir_.filePath(QStringLiteral("Tollmere.cfg")));
    // Each move comes a frame after the last, as a steady drag's do.
    view_->Painter().Now = [this] { return frameClock_; };
    view_->ShowWin = [this] { ++wins_; };
}

void Harness::Restart()
{
    const QSize client = view_->size();
    view_.reset();
    MakeView();
    view_->resize(client);
    view_->show();
    QApplication::processEvents();
    view_->OnInitialUpdate();
}

void Harness::Start(GameId id)
{
    view_->StartGame(int(id));
    QApplication::processEvents();
}

void Harness::Press(QPoint at) { QTest::mousePress(view_.get(), Qt::LeftButton, {}, at); }
void Harness::Release(QPoint at) { QTest::mouseRelease(view_.get(), Qt::LeftButton, {}, at); }

void Harness::Key(Qt::Key key, Qt::KeyboardModifiers modifiers) { QTest::keyClick(view_.get(), key, modifiers); }

void Harness::Move(QPoint at, bool buttonDown)
{
    frameClock_ += platform::TablePainter::FrameMs;
    const QPointF local(at);
    QMouseEvent event(QEvent::MouseMove, local, local, view_->mapToGlobal(local), Qt::NoButton,
                      buttonDown ? Qt::LeftButton : Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(view_.get(), &event);
}

void Harness::DragTo(QPoint from, QPoint to, int steps)
{
    Press(from);
    for (int i = 1; i <= steps; ++i)
        Move(from + (to - from) * i / steps, true);
    Release(to);
}

void Harness::Put(CardId id, Pile& pile, bool faceUp)
{
    Card* card = Deck().Find(id.first, id.second);
    ASSERT_NE(card, nullptr);
    for (const auto& p : Frame().Piles)
        p->Remove(*card);
    pile.AddTop(*card);
    card->FaceUp = faceUp ? 1 : 0;
    Deck().BringToFront(*card);
}

void Harness::MoveAll(Pile& from, Pile& to)
{
    const std::vector<Card*> cards = from.Cards;
    for (Card* card : cards)
        Put(IdOf(*card), to, card->FaceUp != 0);
}

void Harness::Redraw()
{
    for (const auto& pile : Frame().Piles) {
        pile->SetPosition(pile->X, pile->Y);
        pile->RecomputeRect();
    }
    view_->OnInitialUpdate();
}

::testing::AssertionResult Harness::Invariants()
{
    std::set<const Card*> listed;
    for (const auto& card : Deck().Cards)
        listed.insert(card);
    if (listed.size() != std::size_t(DeckSize) || Deck().Count() != DeckSize)
        return ::testing::AssertionFailure() << "the deck lists " << Deck().Count() << " cards";
    std::set<CardId> ids;
    for (const auto& card : Deck().Cards)
        ids.insert(IdOf(*card));
    if (ids.size() != std::size_t(DeckSize))
        return ::testing::AssertionFailure() << "the deck holds a card twice";
    std::map<const Card*, int> seen;
    for (const auto& pile : Frame().Piles)
        for (const Card* card : pile->Cards)
            ++seen[card];
    if (Frame().DragPile)
        for (const Card* card : Frame().DragPile->Cards)
            ++seen[card];
    for (const auto& card : Deck().Cards) {
        const int times = seen[card];
        if (times > 1)
            return ::testing::AssertionFailure() << "a card lies in " << times << " piles";
        if (times == 0 && !card->Bounds.IsEmpty())
            return ::testing::AssertionFailure() << "a card in no pile has a place on the table";
        if (card->InPile != (times == 1))
            return ::testing::AssertionFailure() << "a card's InPile flag says " << card->InPile;
    }
    if (seen.size() > std::size_t(DeckSize))
        return ::testing::AssertionFailure() << "a pile holds a card the deck does not own";
    return ::testing::AssertionSuccess();
}

QImage Harness::Window() const { return hidpi::WindowPicture(*view_); }

QImage Harness::Composed() const
{
    const QImage window = Window();
    return window.isNull() ? view_->Painter().Composition().copy() : window.copy();
}

QImage Harness::ComposedWhole()
{
    TableSurface fresh(Deck(), view_->size(), Table().GameId, Config().TableColour, Config().CardBackId,
                       view_->Surface()->Background.devicePixelRatio());
    QImage whole = platform::makeSurface(view_->size(), fresh.Background.devicePixelRatio());
    const Rect client = Rect::At(0, 0, view_->width(), view_->height());
    fresh.PaintOnto(whole, client);
    view_->PaintRing(whole, client);
    return whole;
}

::testing::AssertionResult Harness::RepaintedWhole()
{
    const QImage partial = Composed();
    const QImage whole = ComposedWhole();
    if (partial == whole)
        return ::testing::AssertionSuccess();
    int differing = 0;
    for (int y = 0; y < whole.height(); ++y)
        for (int x = 0; x < whole.width(); ++x)
            differing += partial.pixel(x, y) != whole.pixel(x, y) ? 1 : 0;
    return ::testing::AssertionFailure() << differing << " pixels left stale by the dirty-rectangle paints";
}

std::vector<CardId> CardsOf(const Pile& pile)
{
    std::vector<CardId> ids;
    for (const Card* card : pile.Cards)
        ids.push_back(IdOf(*card));
    return ids;
}

Table TableOf(Harness& h)
{
    Table t;
    for (const auto& pile : h.Frame().Piles) {
        t.emplace_back();
        for (const Card* card : pile->Cards)
            t.back().push_back({IdOf(*card), card->FaceUp});
    }
    return t;
}

CardId IdOf(const Card& card) { return {card.RankCode, card.SuitCode}; }

QPoint Centre(const Rect& r) { return {(r.left + r.right) / 2, (r.top + r.bottom) / 2}; }
QPoint Into(const Card& card, int dx, int dy) { return {card.Bounds.left + dx, card.Bounds.top + dy}; }

void DragOnto(Harness& h, const Card& card, QPoint grab, const Pile& to)
{
    const QPoint offset = grab - QPoint(card.Bounds.left, card.Bounds.top);
    h.DragTo(grab, QPoint(to.X, to.Y) + offset);
    EXPECT_TRUE(h.Invariants());
    EXPECT_TRUE(h.RepaintedWhole());
}

void DragTopOnto(Harness& h, int from, int to)
{
    const Card& top = *h.PileAt(from).Top();
    DragOnto(h, top, Into(top, 35, 80), h.PileAt(to));
}

} // namespace tollmere::test
