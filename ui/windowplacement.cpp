#include "ui/windowplacement.h"

#include <algorithm>
#include <array>
#include <tuple>

namespace {

constexpr int Gap = 8; // between the two windows

// The first coordinate from which a length fits between low and high (both included), or low
// where it is longer than that.
int Within(int wanted, int length, int low, int high)
{
    return std::max(low, std::min(wanted, high + 1 - length));
}

int Overlap(const QRect& a, const QRect& b)
{
    const QRect both = a.intersected(b);
    return both.isEmpty() ? 0 : both.width() * both.height();
}

} // namespace

QPoint PlaceBeside(const QRect& room, const QRect& main, QSize size, const QRect& keep)
{
    const int alongY = Within(main.top(), size.height(), room.top(), room.bottom());
    const int alongX = Within(main.left(), size.width(), room.left(), room.right());
    const std::array<QRect, 4> beside{
        QRect(QPoint(main.right() + 1 + Gap, alongY), size),
        QRect(QPoint(main.left() - Gap - size.width(), alongY), size),
        QRect(QPoint(alongX, main.bottom() + 1 + Gap), size),
        QRect(QPoint(alongX, main.top() - Gap - size.height()), size),
    };
    for (const QRect& place : beside) {
        if (room.contains(place))
            return place.topLeft();
    }

    // Over it: at the room's edges or just clear of `keep`, whichever hides least.
    const int xs[] = {room.right() + 1 - size.width(), room.left(), keep.right() + 1 + Gap,
                      keep.left() - Gap - size.width()};
    const int ys[] = {room.top(), room.bottom() + 1 - size.height(), keep.bottom() + 1 + Gap,
                      keep.top() - Gap - size.height()};
    QRect best;
    std::tuple<int, int> least{-1, -1};
    for (int x : xs) {
        for (int y : ys) {
            const QRect place(QPoint(Within(x, size.width(), room.left(), room.right()),
                                     Within(y, size.height(), room.top(), room.bottom())),
                              size);
            const std::tuple<int, int> hidden{Overlap(place, keep), Overlap(place, main)};
            if (std::get<0>(least) < 0 || hidden < least) {
                least = hidden;
                best = place;
            }
        }
    }
    return best.topLeft();
}
