#pragma once

// Where a window whose place was saved opens now: the screens may have changed since (a
// second monitor unplugged, a smaller resolution), and a window off every screen can be
// neither seen nor dragged back.

#include <QList>
#include <QPoint>
#include <QRect>
#include <QSize>

namespace vellaro::app {

// `wanted` is kept when at least half the window's width and its top strip (where it is
// dragged) lie on one of `screens` (their available areas); otherwise the window goes onto
// the screen nearest to `wanted`, as close to it as that screen allows. With no screen,
// `wanted`.
QPoint PlaceOnScreens(QPoint wanted, QSize size, const QList<QRect>& screens);

}  // namespace vellaro::app
