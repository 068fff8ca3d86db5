#pragma once
// A dragged card moves with every motion event, and a mouse reports motion
// faster than a screen shows frames. The pacer lets a drag paint at most once
// a frame: the area of a move inside the frame is held and painted with the
// next move that is due, or by a timer once the motion stops.
#include "rect.h"

#include <QBasicTimer>
#include <functional>
#include <limits>

class QObject;

namespace platform {

class FramePacer {
public:
    static constexpr int FrameMs = 16;

    // The owner receives the timer's event and hands it to IsTimer.
    explicit FramePacer(QObject* owner);

    // Adds a move's area to the frame; true when the frame is due now, and
    // the caller paints what Take gives. Otherwise the area waits.
    bool Hold(const Rect& area);
    // What waits for the frame, cleared; the frame counts from now.
    Rect Take();
    bool IsTimer(int timerId) const { return timer_.timerId() == timerId; }
    bool Holding() const { return !held_.IsEmpty(); }

    // Milliseconds on a steady clock; tests put a clock of their own here.
    std::function<qint64()> Now;

private:
    QObject* owner_;
    QBasicTimer timer_;
    Rect held_;
    // Long ago: the first move is always due.
    qint64 lastPaint_ = std::numeric_limits<qint64>::min() / 2;
};

} // namespace platform
