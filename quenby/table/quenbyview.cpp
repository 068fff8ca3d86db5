#include "quenbyview.h"

#include "animation.h"
#include "deckdialog.h"
#include "tablestate.h"
#include "tablesurface.h"

#include <games/frame.h>
#include <platform/density.h>

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QResizeEvent>
#include <QTimerEvent>
#include <utility>

namespace quenby {

CQuenbyView::CQuenbyView(TableState& table, QWidget* parent) : QWidget(parent), table_(table), painter_(this)
{
    // Every paint covers its area from the off-screen picture: nothing is
    // ever erased first.
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAttribute(Qt::WA_NoSystemBackground);
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
    // Before anything asks for the view's accessible object, which is then kept.
    platform::ExposeTable(this, &reader_);
    setAccessibleName(tr("Table"));
    if (!table_.TablePalette)
        table_.TablePalette = TablePalette::Build();
    AskDeck = [](QWidget* owner, int cardBackId, platform::ColorRef tableColour) {
        DeckDialog dialog(cardBackId, tableColour, owner);
        dialog.exec();
        return dialog.result() == QDialog::Accepted && dialog.SelectedBack() != 0 ? dialog.SelectedBack()
                                                                                  : cardBackId;
    };
}

CQuenbyView::~CQuenbyView() { KillTimer1(); }

void CQuenbyView::OnFirstInitialUpdate()
{
    if (table_.TableSurface) {
        InitialUpdateAgain();
        return;
    }
    table_.ClientSize = size();
    table_.PixelRatio = platform::surfaceRatio(devicePixelRatioF());
    table_.GameTable.Stock.Fill();
    table_.GameTable.Stock.ShowAll(table_.PaintList);
    table_.GameTable.Won = 0;
    ReplaceSurface(table_);
    RepaintDirty();
}

void CQuenbyView::InitialUpdateAgain()
{
    table_.DirtyRect = table_.ClientRect();
    update();
    if (table_.TableSurface) {
        StartTimer1();
        timerWanted_ = 1;
    }
}

void CQuenbyView::StartGame(GameId id)
{
    KillTimer1();
    timerWanted_ = 0;
    keys_.Reset();
    table_.FocusRing = {};
    NewGame(table_, id);
    table_.DirtyRect = table_.ClientRect();
    RepaintDirty();
    platform::TableReset(this);
}

void CQuenbyView::SetTableColour(platform::ColorRef colour)
{
    table_.TableColour = colour;
    ReplaceSurface(table_);
    table_.DirtyRect = table_.ClientRect();
    RepaintDirty();
}

void CQuenbyView::OnDecks()
{
    if (AskDeck)
        table_.CardBackId = AskDeck(this, table_.CardBackId, table_.TableColour);
    ChangeCardBack();
}

void CQuenbyView::ChangeCardBack()
{
    table_.GameTable.ReimageFaceDown(table_);
    table_.DirtyRect = table_.ClientRect();
    RepaintDirty();
}

void CQuenbyView::paintEvent(QPaintEvent* event)
{
    // Moved to a screen of another density: the table is drawn afresh for it.
    const qreal ratio = platform::surfaceRatio(devicePixelRatioF());
    if (table_.TableSurface && ratio != table_.PixelRatio) {
        table_.PixelRatio = ratio;
        ReplaceSurface(table_);
        update();
    }
    // Whatever changed is drawn from the table as it stands.
    table_.DirtyRect = {};
    if (!table_.TableSurface)
        return;
    QPoint offset;
    QPaintDevice* device = redirected(&offset);
    painter_.Paint(*event, device, offset, ratio,
                   [this](QImage& target, const Rect& area) { PaintOnto(table_, target, area); });
}

void CQuenbyView::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    table_.ClientSize = event->size();
    table_.PixelRatio = platform::surfaceRatio(devicePixelRatioF());
    if (table_.TableSurface) {
        ReplaceSurface(table_);
        UpdateRing();
        RepaintDirty();
    }
}

bool CQuenbyView::Inside(const QMouseEvent* event) const
{
    // Qt grabs the mouse while a button is down; the table does not, so what
    // happens outside the client area is not seen.
    return rect().contains(event->position().toPoint());
}

void CQuenbyView::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton || table_.GameTable.Won == 1 || !Inside(event)) {
        QWidget::mousePressEvent(event);
        return;
    }
    // The mouse is back: the ring goes until the next key.
    if (keys_.RingShown) {
        keys_.RingShown = false;
        UpdateRing();
    }
    const TableReader::Moment before = reader_.Now();
    OnPress(event->position().toPoint());
    reader_.Tell(this, before, true, false);
    QWidget::mousePressEvent(event);
}

void CQuenbyView::mouseMoveEvent(QMouseEvent* event)
{
    if (table_.GameTable.Won == 1 || !Inside(event)) {
        QWidget::mouseMoveEvent(event);
        return;
    }
    OnMove(event->position().toPoint(), true);
    QWidget::mouseMoveEvent(event);
}

void CQuenbyView::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton || table_.GameTable.Won == 1 || !Inside(event)) {
        QWidget::mouseReleaseEvent(event);
        return;
    }
    const TableReader::Moment before = reader_.Now();
    OnRelease(event->position().toPoint());
    reader_.Tell(this, before, false, false);
    QWidget::mouseReleaseEvent(event);
}

void CQuenbyView::OnPress(QPoint at)
{
    if (table_.GameTable.GameId == GameId::None)
        return;
    PickUp(table_, at.x(), at.y());
    RepaintDirty();
}

void CQuenbyView::OnMove(QPoint at, bool paced)
{
    if (table_.GameTable.GameId == GameId::None)
        return;
    Drag(table_, at.x(), at.y());
    if (paced)
        painter_.Move(std::exchange(table_.DirtyRect, {}));
    else
        RepaintDirty();
}

void CQuenbyView::OnRelease(QPoint at)
{
    if (table_.GameTable.GameId != GameId::None) {
        Drop(table_, at.x(), at.y());
        RepaintDirty();
    }
    if (table_.GameTable.CheckWon(table_.CardBackId) == 1) {
        StartTimer1();
        timerWanted_ = 1;
        // The dance takes no keys: no ring over it.
        keys_.RingShown = false;
        UpdateRing();
        RepaintDirty();
    }
}

bool CQuenbyView::KeysPlay() const
{
    return table_.GameTable.GameId != GameId::None && table_.GameTable.Won == 0;
}

void CQuenbyView::keyPressEvent(QKeyEvent* event)
{
    // Keys with Ctrl, Alt or Meta stay the menus' and shortcuts'.
    const Qt::KeyboardModifiers modifiers = event->modifiers() & ~Qt::KeypadModifier;
    const bool shift = modifiers == Qt::ShiftModifier;
    if (!KeysPlay() || (modifiers != Qt::NoModifier && !shift)) {
        QWidget::keyPressEvent(event);
        return;
    }
    const std::optional<std::vector<MouseStep>> steps = keys_.Key(table_, event->key(), shift);
    if (!steps) {
        QWidget::keyPressEvent(event);
        return;
    }
    keys_.RingShown = true;
    const TableReader::Focus focus = reader_.KeyFocus();
    const TableReader::Moment before = reader_.Now();
    bool press = false;
    for (const MouseStep& step : *steps) {
        switch (step.kind) {
        case MouseStep::Is::Press:
            OnPress(step.at);
            press = true;
            break;
        case MouseStep::Is::Move: OnMove(step.at, false); break;
        case MouseStep::Is::Release: OnRelease(step.at); break;
        }
    }
    UpdateRing();
    RepaintDirty();
    if (!steps->empty())
        reader_.Tell(this, before, press, true);
    const TableReader::Focus now = reader_.KeyFocus();
    if (now.pile != focus.pile || now.card != focus.card)
        platform::FocusChanged(this);
}

bool CQuenbyView::focusNextPrevChild(bool next)
{
    // Tab and Shift+Tab go from pile to pile while a game is in play.
    return KeysPlay() ? false : QWidget::focusNextPrevChild(next);
}

void CQuenbyView::UpdateRing()
{
    const Rect ring = keys_.RingBounds(table_);
    if (ring == table_.FocusRing)
        return;
    table_.DirtyRect.Unite(table_.FocusRing);
    table_.DirtyRect.Unite(ring);
    table_.FocusRing = ring;
}

void CQuenbyView::timerEvent(QTimerEvent* event)
{
    if (painter_.TimerEvent(*event))
        return;
    if (event->timerId() != timerId_ || timerId_ == 0) {
        QWidget::timerEvent(event);
        return;
    }
    Tick(table_);
    RepaintDirty();
}

bool CQuenbyView::event(QEvent* event)
{
    if (event->type() == QEvent::WindowActivate) {
        if (timerWanted_ == 1)
            StartTimer1();
        table_.DirtyRect = table_.ClientRect();
        update();
    } else if (event->type() == QEvent::WindowDeactivate) {
        KillTimer1();
    }
    return QWidget::event(event);
}

void CQuenbyView::RepaintDirty() { painter_.RepaintNow(std::exchange(table_.DirtyRect, {})); }

void CQuenbyView::StartTimer1()
{
    // One timer under one handle: starting it again replaces it.
    KillTimer1();
    timerId_ = startTimer(TimerPeriodMs);
}

void CQuenbyView::KillTimer1()
{
    if (timerId_ != 0)
        killTimer(timerId_);
    timerId_ = 0;
}

} // namespace quenby
