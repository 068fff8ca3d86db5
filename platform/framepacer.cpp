#include "framepacer.h"

#include <QElapsedTimer>
#include <memory>

namespace platform {

FramePacer::FramePacer(QObject* owner) : owner_(owner)
{
    auto clock = std::make_shared<QElapsedTimer>();
    clock->start();
    Now = [clock] { return clock->elapsed(); };
}

bool FramePacer::Hold(const Rect& area)
{
    // Motion with nothing dragged has nothing to paint and sets no timer.
    if (area.IsEmpty() && held_.IsEmpty())
        return false;
    held_.Unite(area);
    const qint64 since = Now() - lastPaint_;
    if (since >= FrameMs || since < 0)
        return true;
    // A whole frame from now: steady motion makes the next move due before
    // then, so the timer only paints the last move of a drag.
    if (!timer_.isActive())
        timer_.start(FrameMs, Qt::PreciseTimer, owner_);
    return false;
}

Rect FramePacer::Take()
{
    timer_.stop();
    lastPaint_ = Now();
    const Rect area = held_;
    held_ = {};
    return area;
}

} // namespace platform
