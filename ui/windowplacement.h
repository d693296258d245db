#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

// Where a companion window of the frame size `size` goes on its first showing, so that it and
// the window it explains are both in sight: beside `main` (that window's frame) on the screen's
// free area `room`, to its right where there is space, else to its left, else below, else
// above it. Where none has space it goes over `main`, in the place within `room` that hides
// least of `keep` (the part of `main` the user works in), then least of `main`.
QPoint PlaceBeside(const QRect& room, const QRect& main, QSize size, const QRect& keep);
