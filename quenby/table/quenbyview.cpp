#include "quenbyview.h"

#include "animation.h"
#include "deckdialog.h"
#include "tablestate.h"
#include "tablesurface.h"

#include <games/frame.h>
#include <platform/density.h>

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
    NewGame(table_, id);
    table_.DirtyRect = table_.ClientRect();
    RepaintDirty();
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
    if (table_.GameTable.GameId != GameId::None) {
        const QPoint at = event->position().toPoint();
        PickUp(table_, at.x(), at.y());
        RepaintDirty();
    }
    QWidget::mousePressEvent(event);
}

void CQuenbyView::mouseMoveEvent(QMouseEvent* event)
{
    if (table_.GameTable.Won == 1 || !Inside(event)) {
        QWidget::mouseMoveEvent(event);
        return;
    }
    if (table_.GameTable.GameId != GameId::None) {
        const QPoint at = event->position().toPoint();
        Drag(table_, at.x(), at.y());
        painter_.Move(std::exchange(table_.DirtyRect, {}));
    }
    QWidget::mouseMoveEvent(event);
}

void CQuenbyView::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton || table_.GameTable.Won == 1 || !Inside(event)) {
        QWidget::mouseReleaseEvent(event);
        return;
    }
    if (table_.GameTable.GameId != GameId::None) {
        const QPoint at = event->position().toPoint();
        Drop(table_, at.x(), at.y());
        RepaintDirty();
    }
    if (table_.GameTable.CheckWon(table_.CardBackId) == 1) {
        StartTimer1();
        timerWanted_ = 1;
    }
    QWidget::mouseReleaseEvent(event);
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
