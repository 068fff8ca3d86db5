#include "solview.h"

#include "deckdialog.h"
#include "filedialogs.h"
#include "recorddialog.h"
#include "savedgame.h"

#include <platform/density.h>
#include <platform/drawing.h>
#include <platform/helpviewer.h>

#include <QApplication>
#include <QKeyEvent>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QResizeEvent>
#include <QTimerEvent>
#include <algorithm>

namespace tollmere {

namespace {

constexpr char HelpFileName[] = "tollmere.html";
// The ring's two dotted lines lie this far inside what the focus covers.
constexpr int RingInset = 2;

QString NameOf(const Card& card)
{
    using platform::CardSuit;
    const int rank = card.RankCode == rank::Ace ? 1 : 117 - card.RankCode; // King 104 is 13, Two 115 is 2
    const CardSuit suit = card.SuitCode == suit::Spades   ? CardSuit::Spades
                          : card.SuitCode == suit::Hearts ? CardSuit::Hearts
                          : card.SuitCode == suit::Diamonds ? CardSuit::Diamonds
                                                            : CardSuit::Clubs;
    return platform::CardName(rank, suit);
}

// The lines the keys' moves are told by, in one place for translation.
namespace line {
QString Hand(const Card& first, int count)
{
    return count == 1 ? NameOf(first) : CSolView::tr("%1 and %n more", nullptr, count - 1).arg(NameOf(first));
}
QString Lifted(const QString& hand, const QString& pile) { return CSolView::tr("%1 lifted from %2").arg(hand, pile); }
QString Moved(const QString& hand, const QString& pile) { return CSolView::tr("%1 to %2").arg(hand, pile); }
QString Back(const QString& hand, const QString& pile) { return CSolView::tr("%1 back to %2").arg(hand, pile); }
QString Dealt(int cards)
{
    return cards == 1 ? CSolView::tr("1 card dealt from the stock")
                      : CSolView::tr("%n cards dealt from the stock", nullptr, cards);
}
QString TurnedOver() { return CSolView::tr("The waste turned over into the stock"); }
QString NothingFrom(const QString& pile) { return CSolView::tr("Nothing to lift from %1").arg(pile); }
QString Won(const QString& move) { return CSolView::tr("%1. You won!").arg(move); }
} // namespace line

} // namespace

CSolView::CSolView(QString configPath, QWidget* parent)
    : QWidget(parent), configPath_(std::move(configPath)), deck_(std::make_unique<CardDeck>())
{
    // Every paint covers its area from the off-screen picture.
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAttribute(Qt::WA_NoSystemBackground);
    // Held cards follow the pointer even after a release outside the window.
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);

    const LoadedConfig loaded = ReadConfig(configPath_);
    config_ = loaded.Block;
    mayWriteConfig_ = loaded.MayWrite;
    SoundOn = config_.SoundOn != 0;
    table_ = std::make_unique<GameTable>(*deck_, int(GameId::Title));
    platform::ExposeTable(this, this);
    setAccessibleName(tr("Title"));
    setAccessibleDescription(tr("The card table"));

    AskOpenPath = [this] { return AskGameFile(this, GameFileDialog::Open); };
    AskSavePath = [this] { return AskGameFile(this, GameFileDialog::Save); };
    ReportSaveFailed = [this](const QString& path) {
        QMessageBox::warning(this, QStringLiteral("Tollmere"), tr("The game could not be saved to %1.").arg(path));
    };
    AskColour = [this](platform::ColorRef& colour, platform::CustomColours& custom) {
        return platform::chooseColour(this, colour, custom);
    };
    AskDeck = [this] {
        DeckDialog dialog(config_, this);
        dialog.exec();
    };
    ShowRecord = [this] {
        RecordDialog dialog(config_, this);
        dialog.exec();
    };
    ShowWin = [this] {
        WinDialog dialog(this);
        dialog.exec();
    };
    ShowHelp = [this](int context) {
        const QString file = platform::helpFilePath(QString::fromLatin1(HelpFileName));
        if (context == 0)
            platform::showHelpContents(this, file);
        else
            platform::showHelpContext(this, file, context);
    };
}

CSolView::~CSolView()
{
    config_.SoundOn = SoundOn ? 1 : 0;
    if (mayWriteConfig_)
        WriteConfig(configPath_, config_);
    // No pile may outlive the cards it points at.
    surface_.reset();
    table_.reset();
    deck_.reset();
}

void CSolView::RebuildTable()
{
    surface_.reset();
    surface_ = std::make_unique<TableSurface>(*deck_, size(), table_->GameId, config_.TableColour, config_.CardBackId,
                                              platform::surfaceRatio(devicePixelRatioF()));
    table_->Layout(width(), height());
    ClampFocus();
    ring_ = RingArea();
}

void CSolView::OnInitialUpdate()
{
    RebuildTable();
    painter_.RepaintWhole();
}

void CSolView::StartGame(int gameId)
{
    table_.reset();
    table_ = std::make_unique<GameTable>(*deck_, gameId);
    // A new deal starts with the focus on its first pile, the ring hidden.
    focus_ = {0, -1};
    ringShown_ = false;
    table_->Layout(width(), height());
    RebuildTable();
    painter_.RepaintWhole();
    config_.CountPlay(gameId);
    const auto index = StatsIndex(gameId);
    setAccessibleName(index ? GameName(std::size_t(*index)) : tr("Title"));
    if (!said_.isEmpty())
        Say(QString());
    platform::TableReset(this);
}

bool CSolView::LoadGame(const QString& path)
{
    const std::optional<SavedGame> saved = ReadSavedGame(path);
    if (!saved)
        return false;
    StartGame(saved->GameId);
    RestoreCards(*table_, *saved);
    painter_.RepaintWhole();
    platform::TableReset(this);
    return true;
}

bool CSolView::SaveGameTo(const QString& path)
{
    // Cards still held (their release fell outside the window) go home first,
    // so that every card is in the file.
    if (GameFrame* frame = table_->Frame(); frame && frame->DragPile) {
        Rect dirty;
        TakeBack(dirty);
        dirty.Unite(RingChange());
        painter_.RepaintNow(dirty);
    }
    return SaveGame(*table_, path);
}

void CSolView::OnAbout() { StartGame(int(GameId::Title)); }

void CSolView::OnHelp()
{
    const auto index = StatsIndex(table_->GameId);
    if (ShowHelp)
        ShowHelp(index ? Games[std::size_t(*index)].HelpContext : 0);
}

void CSolView::OnOpen()
{
    const QString path = AskOpenPath ? AskOpenPath() : QString();
    if (!path.isEmpty())
        LoadGame(path);
}

void CSolView::OnSave()
{
    // With the title showing there is no game to save, and no file is made.
    if (!IsGame(table_->GameId))
        return;
    const QString path = AskSavePath ? AskSavePath() : QString();
    if (!path.isEmpty() && !SaveGameTo(path) && ReportSaveFailed)
        ReportSaveFailed(path);
}

void CSolView::OnColor()
{
    platform::ColorRef colour = config_.TableColour;
    if (AskColour && AskColour(colour, config_.CustomColours)) {
        config_.TableColour = colour;
        RebuildTable();
        painter_.RepaintWhole();
    }
}

void CSolView::OnDecks()
{
    if (AskDeck)
        AskDeck();
    RebuildTable();
    painter_.RepaintWhole();
}

void CSolView::OnRecord()
{
    if (ShowRecord)
        ShowRecord();
}

void CSolView::OnSound() { SoundOn = !SoundOn; }

void CSolView::paintEvent(QPaintEvent* event)
{
    if (!surface_)
        return;
    // Moved to a screen of another density: the table is drawn afresh for it.
    const qreal ratio = platform::surfaceRatio(devicePixelRatioF());
    if (surface_->Background.devicePixelRatio() != ratio) {
        RebuildTable();
        update();
    }
    QPoint offset;
    QPaintDevice* device = redirected(&offset);
    painter_.Paint(*event, device, offset, ratio, [this](QImage& target, const Rect& area) {
        surface_->PaintOnto(target, area);
        PaintRing(target, area);
    });
}

void CSolView::PaintRing(QImage& target, const Rect& area) const
{
    const Rect clip = area.Intersected(ring_);
    if (clip.IsEmpty())
        return;
    const QRect outer = ring_.ToQRect();
    for (int inset : {RingInset, RingInset + 1})
        platform::drawFocusRect(target, outer.adjusted(inset, inset, -inset, -inset), clip.ToQRect());
}

void CSolView::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    if (surface_) {
        RebuildTable();
        painter_.RepaintWhole();
    }
}

bool CSolView::Inside(const QMouseEvent* event) const
{
    // Qt grabs the mouse while a button is down; the table does not, so what
    // happens outside the window is not seen.
    return rect().contains(event->position().toPoint());
}

void CSolView::Press(QPoint at, Rect dirty)
{
    const std::vector<QString> before = PileNamesNow();
    table_->PickUp(dirty, at.x(), at.y());
    dirty.Unite(RingChange());
    painter_.RepaintNow(dirty);
    AnnounceChanges(before);
}

void CSolView::Release(QPoint at, const std::function<QString()>& line)
{
    const std::vector<QString> before = PileNamesNow();
    Rect dirty;
    table_->Drop(dirty, at.x(), at.y());
    dirty.Unite(RingChange());
    painter_.RepaintNow(dirty);
    AnnounceChanges(before);
    // One win per deal: the dialog once, then the table stays won.
    const bool won = table_->Won == 0 && table_->WinTest(config_) == 1;
    if (line)
        Say(won ? line::Won(line()) : line());
    if (won) {
        if (ShowWin)
            ShowWin();
        table_->Won = 1;
    }
}

void CSolView::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton && Inside(event)) {
        // The mouse hides the keys' ring until their next key.
        ringShown_ = false;
        Press(event->position().toPoint());
    }
    QWidget::mousePressEvent(event);
}

void CSolView::mouseMoveEvent(QMouseEvent* event)
{
    if (Inside(event)) {
        const QPoint at = event->position().toPoint();
        Rect dirty;
        table_->Drag(dirty, at.x(), at.y());
        painter_.Move(dirty);
    }
    QWidget::mouseMoveEvent(event);
}

void CSolView::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton && Inside(event))
        Release(event->position().toPoint());
    QWidget::mouseReleaseEvent(event);
}

void CSolView::timerEvent(QTimerEvent* event)
{
    if (!painter_.TimerEvent(*event))
        QWidget::timerEvent(event);
}

bool CSolView::event(QEvent* event)
{
    if (event->type() == QEvent::WindowActivate && surface_ && isVisible())
        painter_.RepaintWhole();
    return QWidget::event(event);
}

// --- Keys ---

Rect CSolView::RingArea() const
{
    const GameFrame* frame = table_->Frame();
    if (!ringShown_ || !frame || focus_.pile >= frame->PileCount())
        return {};
    const tollmere::Pile& pile = *frame->Piles[std::size_t(focus_.pile)];
    // A card's ring holds the run a press there lifts; held cards are laid
    // on the pile as a whole.
    if (!frame->DragPile && focus_.card >= 0 && focus_.card < pile.Count())
        return pile.Cards[std::size_t(focus_.card)]->Bounds.United(pile.Top()->Bounds);
    return pile.Bounds;
}

Rect CSolView::RingChange()
{
    const Rect now = RingArea();
    if (now == ring_)
        return {};
    const Rect changed = now.United(ring_);
    ring_ = now;
    return changed;
}

platform::AccessibleTable::Focus CSolView::Clamped(Focus focus) const
{
    const GameFrame* frame = table_->Frame();
    if (!frame || frame->PileCount() == 0)
        return {0, -1};
    focus.pile = std::clamp(focus.pile, 0, frame->PileCount() - 1);
    const tollmere::Pile& pile = *frame->Piles[std::size_t(focus.pile)];
    if (!pile.IsFanned() || pile.IsEmpty())
        focus.card = -1;
    else if (focus.card < 0 || focus.card >= pile.Count())
        focus.card = pile.Count() - 1;
    return focus;
}

void CSolView::ClampFocus() { focus_ = Clamped(focus_); }

void CSolView::FocusPile(int index, Rect& dirty)
{
    focus_ = {index, -1};
    ClampFocus();
    GameFrame& frame = *table_->Frame();
    if (frame.DragPile) {
        const QPoint at = frame.CarryPlace(focus_.pile) + QPoint(frame.Dx, frame.Dy);
        table_->Drag(dirty, at.x(), at.y());
    }
}

void CSolView::FocusCard(int step)
{
    const GameFrame& frame = *table_->Frame();
    const tollmere::Pile& pile = *frame.Piles[std::size_t(focus_.pile)];
    if (focus_.card >= 0 && !frame.DragPile)
        focus_.card = std::clamp(focus_.card + step, 0, pile.Count() - 1);
}

bool CSolView::ClicksAsAButton(int index) const
{
    const tollmere::Pile& pile = *table_->Frame()->Piles[std::size_t(index)];
    return pile.Kind == kind::Stock && (table_->GameId == int(GameId::Accordion) || pile.IsEmpty());
}

void CSolView::Activate(Rect& dirty)
{
    GameFrame& frame = *table_->Frame();
    if (frame.DragPile) {
        // Where the cards lie decides, not the point; it is where a pointer
        // carrying them would be. The focus then rests on the new top card.
        const Card& first = *frame.DragPile->Cards.front();
        const QString hand = line::Hand(first, frame.DragPile->Count());
        const tollmere::Pile* source = frame.DragPile->Source;
        Release(QPoint(frame.DragPile->X + frame.Dx, frame.DragPile->Y + frame.Dy), [&] {
            const int landed = PileHolding(first);
            return frame.Piles[std::size_t(landed)].get() == source ? line::Back(hand, PileName(landed))
                                                                    : line::Moved(hand, PileName(landed));
        });
        focus_.card = -1;
        return;
    }
    const std::optional<QPoint> at = frame.PressPoint(focus_.pile, focus_.card);
    if (!at)
        return;
    const bool click = ClicksAsAButton(focus_.pile);
    const int had = frame.At(focus_.pile).Count();
    Press(*at, dirty);
    dirty = {};
    if (click) {
        Release(*at, [&] {
            const int now = frame.At(focus_.pile).Count();
            if (now == had)
                return line::NothingFrom(PileName(focus_.pile));
            return now > had ? line::TurnedOver() : line::Dealt(had - now);
        });
    } else if (frame.DragPile) {
        Say(line::Lifted(line::Hand(*frame.DragPile->Cards.front(), frame.DragPile->Count()), PileName(focus_.pile)));
    } else {
        Say(line::NothingFrom(PileName(focus_.pile)));
    }
}

bool CSolView::HandleKey(int key, Qt::KeyboardModifiers modifiers)
{
    GameFrame* frame = table_->Frame();
    // Keys wait while a mouse button is down, and mean nothing without a game.
    if (!frame || frame->PileCount() == 0 || QApplication::mouseButtons() != Qt::NoButton)
        return false;
    modifiers &= ~Qt::KeypadModifier;
    const bool plain = modifiers == Qt::NoModifier;
    const bool shift = modifiers == Qt::ShiftModifier;
    std::optional<GameFrame::Heading> heading;
    switch (key) {
    case Qt::Key_Left: heading = GameFrame::Heading::Left; break;
    case Qt::Key_Right: heading = GameFrame::Heading::Right; break;
    case Qt::Key_Up: heading = GameFrame::Heading::Up; break;
    case Qt::Key_Down: heading = GameFrame::Heading::Down; break;
    default: break;
    }
    const bool tab = (key == Qt::Key_Tab || key == Qt::Key_Backtab) && (plain || shift);
    const bool act = (key == Qt::Key_Space || key == Qt::Key_Return || key == Qt::Key_Enter) && plain;
    const bool escape = key == Qt::Key_Escape && plain;
    const bool navigate = tab || (heading && (plain || shift));
    if (!navigate && !act && !escape)
        return false;

    ClampFocus();
    // The first key of a game (or after the mouse) only shows where the
    // focus is; moving it from an unseen place would lose the player.
    const bool reveal = !ringShown_;
    ringShown_ = true;
    Rect dirty;
    const int count = frame->PileCount();
    if (navigate && reveal) {
    } else if (tab) {
        const bool back = key == Qt::Key_Backtab || shift;
        FocusPile((focus_.pile + (back ? count - 1 : 1)) % count, dirty);
    } else if (heading && shift) {
        // Along the fan: towards the bottom card, or towards the top one.
        const int fanRule = frame->Piles[std::size_t(focus_.pile)]->FanRule;
        const bool down = fanRule == fan::Down;
        const bool right = fanRule == fan::Right;
        if ((down && *heading == GameFrame::Heading::Up) || (right && *heading == GameFrame::Heading::Left))
            FocusCard(-1);
        else if ((down && *heading == GameFrame::Heading::Down) || (right && *heading == GameFrame::Heading::Right))
            FocusCard(1);
    } else if (heading) {
        FocusPile(frame->Nearest(focus_.pile, *heading), dirty);
    } else if (act) {
        Activate(dirty);
    } else if (frame->DragPile) {
        const Card& first = *frame->DragPile->Cards.front();
        const QString hand = line::Hand(first, frame->DragPile->Count());
        TakeBack(dirty);
        Say(line::Back(hand, PileName(PileHolding(first))));
    }
    ClampFocus();
    dirty.Unite(RingChange());
    painter_.RepaintNow(dirty);
    if (navigate)
        platform::FocusChanged(this);
    return true;
}

void CSolView::keyPressEvent(QKeyEvent* event)
{
    if (!HandleKey(event->key(), event->modifiers()))
        QWidget::keyPressEvent(event);
}

void CSolView::TakeBack(Rect& dirty)
{
    const std::vector<QString> before = PileNamesNow();
    table_->Frame()->ReturnHeld(dirty);
    AnnounceChanges(before);
}

void CSolView::Say(const QString& line)
{
    said_ = line;
    emit Said(line);
}

// --- The reader ---

int CSolView::PileCount() const
{
    const GameFrame* frame = table_->Frame();
    return frame ? frame->PileCount() : 0;
}

QString CSolView::PileName(int index) const
{
    return tollmere::PileName(table_->GameId, index);
}

int CSolView::PileHolding(const Card& card) const
{
    const GameFrame& frame = *table_->Frame();
    for (int i = 0; i < frame.PileCount(); ++i) {
        const auto& cards = frame.Piles[std::size_t(i)]->Cards;
        if (std::find(cards.begin(), cards.end(), &card) != cards.end())
            return i;
    }
    return 0;
}

platform::AccessiblePile CSolView::Pile(int index) const
{
    const tollmere::Pile& pile = *table_->Frame()->Piles[std::size_t(index)];
    const auto faceDown = std::count_if(pile.Cards.begin(), pile.Cards.end(), [](const Card* c) { return !c->FaceUp; });
    const Card* top = pile.Top();
    platform::AccessiblePile described{
        platform::DescribePile(PileName(index), top && top->FaceUp ? NameOf(*top) : QString(), pile.Count(),
                               int(faceDown)),
        pile.Bounds.ToQRect(), ClicksAsAButton(index), {}};
    // A fan is read card by card; a stack shows only its top.
    if (pile.IsFanned())
        for (int i = 0; i < pile.Count(); ++i) {
            const Card& card = *pile.Cards[std::size_t(i)];
            described.cards.push_back(
                {card.FaceUp ? NameOf(card) : platform::FaceDownCardName(), pile.Exposed(i).ToQRect()});
        }
    return described;
}

platform::AccessibleTable::Focus CSolView::KeyFocus() const
{
    return PileCount() > 0 ? Clamped(focus_) : Focus{-1, -1};
}

std::vector<QString> CSolView::PileNamesNow() const
{
    std::vector<QString> names;
    for (int i = 0; i < PileCount(); ++i)
        names.push_back(Pile(i).name);
    return names;
}

void CSolView::AnnounceChanges(const std::vector<QString>& before)
{
    const std::vector<QString> after = PileNamesNow();
    if (after.size() != before.size()) {
        platform::TableReset(this);
        return;
    }
    std::vector<int> changed;
    for (std::size_t i = 0; i < after.size(); ++i)
        if (after[i] != before[i])
            changed.push_back(int(i));
    if (!changed.empty())
        platform::PilesChanged(this, changed);
}

bool CSolView::focusNextPrevChild(bool next)
{
    if (const GameFrame* frame = table_->Frame(); frame && frame->PileCount() > 0)
        return false;
    return QWidget::focusNextPrevChild(next);
}

} // namespace tollmere
