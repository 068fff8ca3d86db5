#pragma once
// Client-area rectangles: left and top included, right and bottom excluded.
#include <QRect>
#include <algorithm>

namespace platform {

struct Rect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    static Rect At(int x, int y, int width, int height) { return {x, y, x + width, y + height}; }

    int Width() const { return right - left; }
    int Height() const { return bottom - top; }
    bool IsEmpty() const { return right <= left || bottom <= top; }
    bool Contains(int x, int y) const { return x >= left && x < right && y >= top && y < bottom; }

    // The smallest rectangle holding both; an empty operand adds nothing.
    Rect United(const Rect& other) const
    {
        if (other.IsEmpty())
            return IsEmpty() ? Rect{} : *this;
        if (IsEmpty())
            return other;
        return {std::min(left, other.left), std::min(top, other.top), std::max(right, other.right),
                std::max(bottom, other.bottom)};
    }
    void Unite(const Rect& other) { *this = United(other); }

    // The common part; (0, 0, 0, 0) when they do not meet.
    Rect Intersected(const Rect& other) const
    {
        const Rect r{std::max(left, other.left), std::max(top, other.top), std::min(right, other.right),
                     std::min(bottom, other.bottom)};
        return r.IsEmpty() ? Rect{} : r;
    }
    bool Intersects(const Rect& other) const { return !Intersected(other).IsEmpty(); }

    QRect ToQRect() const { return IsEmpty() ? QRect() : QRect(left, top, Width(), Height()); }
    static Rect FromQRect(const QRect& r) { return r.isEmpty() ? Rect{} : At(r.x(), r.y(), r.width(), r.height()); }

    bool operator==(const Rect&) const = default;
};

} // namespace platform
