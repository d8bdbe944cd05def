#include "app/screen_place.h"

#include <algorithm>
#include <cstdint>
#include <limits>

namespace vellaro::app {
namespace {

// The part of the window's top that must be on a screen to grab it.
constexpr int kGripHeight = 40;

int64_t SquaredDistance(QPoint from, const QRect& to) {
  const int64_t dx = from.x() < to.left()    ? int64_t{to.left()} - from.x()
                     : from.x() > to.right() ? int64_t{from.x()} - to.right()
                                             : 0;
  const int64_t dy = from.y() < to.top()      ? int64_t{to.top()} - from.y()
                     : from.y() > to.bottom() ? int64_t{from.y()} - to.bottom()
                                              : 0;
  return dx * dx + dy * dy;
}

}  // namespace

QPoint PlaceOnScreens(QPoint wanted, QSize size, const QList<QRect>& screens) {
  const QRect window(wanted, size);
  const QRect grip(wanted, QSize(size.width(), std::min(kGripHeight, size.height())));
  const QRect* nearest = nullptr;
  int64_t nearest_distance = std::numeric_limits<int64_t>::max();
  for (const QRect& screen : screens) {
    const QRect on = screen.intersected(grip);
    if (on.height() == grip.height() && 2 * on.width() >= grip.width()) return wanted;
    const int64_t distance = SquaredDistance(window.center(), screen);
    if (distance < nearest_distance) {
      nearest_distance = distance;
      nearest = &screen;
    }
  }
  if (nearest == nullptr) return wanted;
  const int x = std::clamp(wanted.x(), nearest->left(),
                           std::max(nearest->left(), nearest->right() + 1 - size.width()));
  const int y = std::clamp(wanted.y(), nearest->top(),
                           std::max(nearest->top(), nearest->bottom() + 1 - size.height()));
  return {x, y};
}

}  // namespace vellaro::app
