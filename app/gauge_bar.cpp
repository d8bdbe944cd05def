#include "app/gauge_bar.h"

#include <QPainter>
#include <algorithm>
#include <cstdint>

namespace vellaro::app {

GaugeBar::GaugeBar(const QColor& bar, int maximum, QWidget* parent)
    : QWidget(parent), bar_(bar), maximum_(std::max(maximum, 1)) {
  // Every pixel is painted, so Qt need not draw the window beneath first.
  setAttribute(Qt::WA_OpaquePaintEvent);
}

void GaugeBar::SetValue(int value) {
  value = std::clamp(value, 0, maximum_);
  if (value == value_) return;
  const int before = DoneWidth();
  value_ = value;
  if (DoneWidth() != before) update();
}

int GaugeBar::DoneWidth() const {
  // Rounded down, as Qt's own progress bars do: a bar is full only when the work is done.
  return static_cast<int>(int64_t{value_} * width() / maximum_);
}

void GaugeBar::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  const int done = DoneWidth();
  painter.fillRect(done, 0, width() - done, height(), Qt::black);
  painter.fillRect(0, 0, done, height(), bar_);
}

}  // namespace vellaro::app
