#pragma once
// Everything between a table view's events and its pixels. The view says
// what changed (a verb's area, a drag's move); the painter keeps that one
// dirty area, paces a drag to the screen's frames and asks Qt to repaint; in
// the view's paintEvent it hands the table's compose function the areas Qt
// asks for, on the best picture to compose them onto.
//
// Three tricks keep a drag and a first paint cheap; each shows in a benchmark:
// - Straight into the window's own picture (windowPictureUnder): a move
//   composes its area once, with no copy through a composition and a
//   QPainter. quenby_drag_bench and tollmere_drag_bench, DragOneMove and
//   DragRunOfSix at ratio 1 and 2 against 1.5 (which goes through the
//   composition).
// - Pre-faulting: a window picture met for the first time is given all its
//   memory in one madvise, not a page fault at a time as the first paint
//   writes it (startup_bench and measure.sh's start-up time).
// - Large pages for the composition and the tables' own pictures
//   (makeSurface): surface_bench, FirstFill/plain against large_pages.
// The occlusion splitting that makes a deep pile cost what shows of it is
// the tables' compose functions' own (platform::composeArea).
#include "platform/rect.h"

#include <QBasicTimer>
#include <QImage>
#include <QPoint>
#include <functional>
#include <limits>

class QPaintDevice;
class QPaintEvent;
class QTimerEvent;
class QWidget;

namespace platform {

class TablePainter {
public:
    // A mouse reports motion faster than a screen shows frames: a drag
    // paints at most once a frame.
    static constexpr int FrameMs = 16;

    // Composes `area` (logical, inside the client area) of the table onto
    // `target`, a picture of the whole client area at the table's ratio,
    // exactly as a whole repaint would draw it there.
    using Compose = std::function<void(QImage& target, const Rect& area)>;

    explicit TablePainter(QWidget* view);

    // "Invalidate without erasing and update at once": `area`, and whatever
    // a drag held for its frame, repainted now.
    void RepaintNow(const Rect& area = {});
    // The whole view repainted now; what waited is part of it.
    void RepaintWhole();
    // A drag's move: painted now when a frame is due, else held for it. A
    // timer paints what was held once the motion stops.
    void Move(const Rect& area);
    // True for the frame's timer, whose event the painter has then handled.
    bool TimerEvent(const QTimerEvent& event);
    bool Holding() const { return !dirty_.IsEmpty(); }

    // The view's paintEvent: the areas asked composed at `ratio`, straight
    // into the window's picture where that is exact, else into a composition
    // of the whole view that is then copied. `device` and `offset` are what
    // the view's redirected() reports (Qt keeps it to the widget itself).
    void Paint(const QPaintEvent& event, QPaintDevice* device, QPoint offset, qreal ratio, const Compose& compose);
    // What the last paint through the composition left (null while the
    // window's picture is painted straight).
    const QImage& Composition() const { return composition_; }

    // Milliseconds on a steady clock; tests put a clock of their own here.
    std::function<qint64()> Now;

private:
    void PopulateOnce(const QImage& window);

    QWidget* view_;
    // What changed and is not on the screen yet.
    Rect dirty_;
    QBasicTimer timer_;
    // Long ago: the first move is always due.
    qint64 lastPaint_ = std::numeric_limits<qint64>::min() / 2;
    QImage composition_;
    const uchar* populated_ = nullptr;
    qsizetype populatedBytes_ = 0;
};

} // namespace platform
