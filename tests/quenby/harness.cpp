#include "harness.h"

#include <density.h>

#include <QApplication>
#include <QMouseEvent>
#include <QTest>
#include <QTimerEvent>

#include <set>
#include <type_traits>

namespace quenby::test {

int Face(int rank, int suit)
{
    for (int id = 130; id <= 182; ++id)
        if (Card::RankOf(id) == rank && Card::SuitOf(id) == suit)
            return id;
    return 0;
}

TableHarness::TableHarness(QSize client, platform::LocalTime clock)
    : state_(std::make_unique<TableState>())
{
    platform::setFixedLocalTime(clock);
    view_ = std::make_unique<CQuenbyView>(*state_);
    // Each move comes a frame after the last, as a steady drag's do.
    view_->Painter().Now = [this] { return frameClock_; };
    view_->resize(client);
    view_->show();
    // Let the window's activation and first paint happen now, not in the
    // middle of a test.
    QApplication::processEvents();
    // As the program starts: the deck round the title picture, the surface
    // built; timer 1 waits for StartUp.
    view_->OnFirstInitialUpdate();
}

TableHarness::~TableHarness()
{
    view_.reset();
    state_.reset();
    platform::setFixedLocalTime(std::nullopt);
}

void TableHarness::SetClock(platform::LocalTime clock) { platform::setFixedLocalTime(clock); }

void TableHarness::StartUp()
{
    view_->InitialUpdateAgain();
    view_->repaint();
}

void TableHarness::Start(GameId id)
{
    view_->StartGame(id);
    QApplication::processEvents();
}

void TableHarness::Press(int x, int y) { QTest::mousePress(view_.get(), Qt::LeftButton, {}, QPoint(x, y)); }

void TableHarness::Release(int x, int y) { QTest::mouseRelease(view_.get(), Qt::LeftButton, {}, QPoint(x, y)); }

void TableHarness::Move(int x, int y, bool buttonDown)
{
    frameClock_ += platform::TablePainter::FrameMs;
    const QPointF local(x, y);
    QMouseEvent event(QEvent::MouseMove, local, local, view_->mapToGlobal(local), Qt::NoButton,
                      buttonDown ? Qt::LeftButton : Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(view_.get(), &event);
}

void TableHarness::DragTo(QPoint from, QPoint to, int steps)
{
    Press(from);
    for (int i = 1; i <= steps; ++i) {
        const QPoint at = from + (to - from) * i / steps;
        Move(at.x(), at.y(), true);
    }
    Release(to);
}

bool TableHarness::Tick()
{
    if (!view_->TimerRunning())
        return false;
    QTimerEvent event(view_->TimerId());
    QApplication::sendEvent(view_.get(), &event);
    return true;
}

Pile& TableHarness::PileAt(int index)
{
    int i = 0;
    for (Pile* pile : state_->GameTable.Piles)
        if (i++ == index)
            return *pile;
    throw std::out_of_range("no such pile");
}

QPoint TableHarness::TopCardCentre(int pileIndex)
{
    const Pile& pile = PileAt(pileIndex);
    return CentreOf(pile.Top() ? pile.Top()->Bounds : pile.GetRect());
}

Card* TableHarness::Find(int faceId)
{
    for (Pile* pile : state_->GameTable.Piles)
        for (Card* card : pile->Cards)
            if (card->FaceId == faceId)
                return card;
    for (Card* card : state_->GameTable.Stock.Cards)
        if (card->FaceId == faceId)
            return card;
    for (Card* card : HeldCards())
        if (card->FaceId == faceId)
            return card;
    return nullptr;
}

Card* TableHarness::Detach(int faceId)
{
    Card* card = Find(faceId);
    if (!card)
        return nullptr;
    // Held cards are the game's: arrange only between moves.
    for (Card* held : HeldCards())
        if (held == card)
            return nullptr;
    for (Pile* pile : state_->GameTable.Piles)
        pile->Remove(card);
    state_->GameTable.Stock.Cards.Remove(card);
    state_->PaintList.Remove(card);
    return card;
}

Card* TableHarness::Put(int faceId, Pile& pile, bool faceUp)
{
    Card* card = Detach(faceId);
    if (!card)
        return nullptr;
    card->ShowImage(faceUp ? card->FaceId : state_->CardBackId);
    pile.AddTop(card);
    state_->PaintList.AddTail(card);
    return card;
}

Card* TableHarness::PutInStock(int faceId)
{
    Card* card = Detach(faceId);
    if (!card)
        return nullptr;
    card->ShowImage(card->FaceId);
    state_->GameTable.Stock.AddTop(card);
    card->MoveTo(state_->GameTable.Stock.Bounds.left, state_->GameTable.Stock.Bounds.top);
    return card;
}

void TableHarness::SweepToStock()
{
    std::vector<int> faces;
    for (Pile* pile : state_->GameTable.Piles)
        for (Card* card : pile->Cards)
            faces.push_back(card->FaceId);
    for (int face : faces)
        PutInStock(face);
}

void TableHarness::Redraw()
{
    DrawBackground(*state_);
    state_->DirtyRect = state_->ClientRect();
    view_->repaint();
}

std::vector<Card*> TableHarness::HeldCards() { return quenby::HeldCards(state_->GameTable.Game); }

::testing::AssertionResult TableHarness::Invariants()
{
    std::vector<Card*> all;
    for (Pile* pile : state_->GameTable.Piles)
        all.insert(all.end(), pile->Cards.begin(), pile->Cards.end());
    all.insert(all.end(), state_->GameTable.Stock.Cards.begin(), state_->GameTable.Stock.Cards.end());
    for (Card* card : HeldCards())
        all.push_back(card);

    const std::set<Card*> distinct(all.begin(), all.end());
    if (all.size() != 52 || distinct.size() != 52)
        return ::testing::AssertionFailure() << all.size() << " card places, " << distinct.size()
                                             << " distinct cards (52 expected)";
    std::set<int> faces;
    for (const Card* card : all) {
        if (card->FaceId < 130 || card->FaceId > 182 || card->FaceId == 170)
            return ::testing::AssertionFailure() << "card with face " << card->FaceId;
        faces.insert(card->FaceId);
        if (card->ImageId != card->FaceId && card->ImageId != state_->CardBackId)
            return ::testing::AssertionFailure() << "card " << card->FaceId << " shows " << card->ImageId;
    }
    if (faces.size() != 52)
        return ::testing::AssertionFailure() << "only " << faces.size() << " distinct faces";
    std::set<Card*> painted;
    for (Card* card : state_->PaintList) {
        if (!distinct.count(card))
            return ::testing::AssertionFailure() << "the paint order lists a card that is on no pile";
        if (!painted.insert(card).second)
            return ::testing::AssertionFailure() << "card " << card->FaceId << " is painted twice";
    }
    return ::testing::AssertionSuccess();
}

void StartGame(TableHarness& h, GameId id)
{
    h.StartUp();
    h.Start(id);
}

void Resize(TableHarness& h, int width, int height)
{
    h.View().resize(width, height);
    QApplication::processEvents();
}

std::vector<int> DealOrder()
{
    Stock stock;
    Random random;
    stock.NewDeck(false, random);
    return FacesOf(stock.Cards);
}

std::vector<int> FacesOf(const CardList& cards)
{
    std::vector<int> faces;
    for (const Card* card : cards)
        faces.push_back(card->FaceId);
    return faces;
}

std::vector<int> BottomUp(const Pile& pile)
{
    std::vector<int> faces = FacesOf(pile.Cards);
    return {faces.rbegin(), faces.rend()};
}

Rect PlaceOf(const Pile& pile) { return Rect::At(pile.Bounds.left, pile.Bounds.top, CardWidth, CardHeight); }

::testing::AssertionResult RepaintedWhole(TableHarness& h)
{
    const QImage partial = h.Composed();
    const QImage whole = h.ComposedWhole();
    if (partial == whole)
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "the dirty-rectangle paints differ from a whole paint";
}

void DragCardOnto(TableHarness& h, QPoint grab, const Card& card, const Rect& target)
{
    h.DragTo(grab, grab + QPoint(target.left - card.Left(), target.top - card.Top()));
    EXPECT_TRUE(h.Invariants());
    EXPECT_TRUE(RepaintedWhole(h));
}

void DragTopOnto(TableHarness& h, int from, int to)
{
    const Card* card = h.PileAt(from).Top();
    ASSERT_NE(card, nullptr);
    DragCardOnto(h, TableHarness::CentreOf(card->Bounds), *card, PlaceOf(h.PileAt(to)));
}

void ClickStock(TableHarness& h)
{
    h.Click(TableHarness::CentreOf(h.Game().Stock.GetRect()));
    EXPECT_TRUE(h.Invariants());
    EXPECT_TRUE(RepaintedWhole(h));
}

void Lay(TableHarness& h, Pile& pile, std::initializer_list<int> faces)
{
    for (int face : faces)
        h.Put(face, pile);
}

void Clear(TableHarness& h, Pile& pile)
{
    while (pile.Top())
        h.PutInStock(pile.Top()->FaceId);
}

void DumpStockOn(TableHarness& h, Pile& pile)
{
    while (Card* card = h.Game().Stock.Cards.Head())
        h.Put(card->FaceId, pile);
}

QImage TableHarness::Grab() { return view_->grab().toImage().convertToFormat(QImage::Format_RGB32); }

QImage TableHarness::Window() const { return hidpi::WindowPicture(*view_); }

QImage TableHarness::Composed() const
{
    if (!state_->TableSurface)
        return {};
    const QImage window = Window();
    return window.isNull() ? view_->Painter().Composition().copy() : window.copy();
}

QImage TableHarness::ComposedWhole()
{
    QImage whole = platform::makeSurface(state_->ClientSize, state_->PixelRatio);
    PaintOnto(*state_, whole, state_->ClientRect());
    return whole;
}

} // namespace quenby::test
