#include "platform/tablepainter.h"

#include "platform/density.h"
#include "platform/largeimage.h"

#include <QElapsedTimer>
#include <QPaintEvent>
#include <QPainter>
#include <QTimerEvent>
#include <QWidget>
#include <memory>

namespace platform {

TablePainter::TablePainter(QWidget* view) : view_(view)
{
    auto clock = std::make_shared<QElapsedTimer>();
    clock->start();
    Now = [clock] { return clock->elapsed(); };
}

void TablePainter::RepaintNow(const Rect& area)
{
    dirty_.Unite(area);
    timer_.stop();
    lastPaint_ = Now();
    const Rect visible = dirty_.Intersected(Rect::At(0, 0, view_->width(), view_->height()));
    dirty_ = {};
    if (!visible.IsEmpty())
        view_->repaint(repaintArea(visible, surfaceRatio(view_->devicePixelRatioF())));
}

void TablePainter::RepaintWhole()
{
    dirty_ = {};
    timer_.stop();
    view_->repaint();
}

void TablePainter::Move(const Rect& area)
{
    // Motion with nothing dragged has nothing to paint and sets no timer.
    if (area.IsEmpty() && dirty_.IsEmpty())
        return;
    dirty_.Unite(area);
    const qint64 since = Now() - lastPaint_;
    if (since >= FrameMs || since < 0) {
        RepaintNow();
        return;
    }
    // A whole frame from now: steady motion makes the next move due before
    // then, so the timer only paints the last move of a drag.
    if (!timer_.isActive())
        timer_.start(FrameMs, Qt::PreciseTimer, view_);
}

bool TablePainter::TimerEvent(const QTimerEvent& event)
{
    if (event.timerId() != timer_.timerId())
        return false;
    RepaintNow();
    return true;
}

void TablePainter::Paint(const QPaintEvent& event, QPaintDevice* device, QPoint offset, qreal ratio,
                         const Compose& compose)
{
    const Rect client = Rect::At(0, 0, view_->width(), view_->height());
    QImage window = windowPictureUnder(device, offset, view_->size(), ratio);
    if (!window.isNull()) {
        PopulateOnce(*static_cast<QImage*>(device));
        // A composition kept from another kind of paint is stale from now on.
        composition_ = QImage();
        for (const QRect& area : event.region())
            compose(window, Rect::FromQRect(area).Intersected(client));
        return;
    }
    // A grab, or a fractional ratio: through a composition that always
    // matches what was last shown, so that a new one is composed whole.
    if (composition_.isNull() || composition_.devicePixelRatio() != ratio || logicalSize(composition_) != view_->size()) {
        composition_ = makeSurface(view_->size(), ratio);
        compose(composition_, client);
    } else {
        for (const QRect& area : event.region())
            compose(composition_, Rect::FromQRect(area).Intersected(client));
    }
    QPainter painter(view_);
    paintSurface(painter, composition_, event.rect());
}

void TablePainter::PopulateOnce(const QImage& window)
{
    // A picture not seen before (the first paint, a larger window) is about
    // to be painted whole, and a window-sized one is a thousand pages or more.
    if (window.constBits() == populated_ && window.sizeInBytes() == populatedBytes_)
        return;
    populatePages(window);
    populated_ = window.constBits();
    populatedBytes_ = window.sizeInBytes();
}

} // namespace platform
