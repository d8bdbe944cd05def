#include "app/chip_stake.h"

#include <QPainter>
#include <algorithm>

namespace vellaro::app {

namespace {
constexpr QColor kPlate{20, 16, 16, 235};  // the chip's centre, nearly opaque
}  // namespace

void ChipStake::paintEvent(QPaintEvent* event) {
  const int width = fontMetrics().horizontalAdvance(text());
  if (width > kCentreWidth) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(kPlate);
    const int plate = std::min(this->width(), width + 2);
    const int height = std::min(this->height(), fontMetrics().height());
    painter.drawRoundedRect(
        QRectF((this->width() - plate) / 2.0, (this->height() - height) / 2.0, plate, height), 3,
        3);
  }
  QLabel::paintEvent(event);
}

}  // namespace vellaro::app
