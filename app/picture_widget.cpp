#include "app/picture_widget.h"

#include <QMouseEvent>
#include <QPainter>

#include "app/svg_cache.h"

namespace vellaro::app {

PictureWidget::PictureWidget(SvgCache& cache, QString svg, const QRect& place, QWidget* parent)
    : QWidget(parent), cache_(cache), svg_(std::move(svg)) {
  setGeometry(place);
  setFocusPolicy(Qt::NoFocus);
}

void PictureWidget::OnMove(std::function<void(QMouseEvent&)> handler) {
  on_move_ = std::move(handler);
  setMouseTracking(static_cast<bool>(on_move_));
}

void PictureWidget::OnClick(std::function<void()> handler) {
  on_click_ = std::move(handler);
  setCursor(Qt::PointingHandCursor);
}

void PictureWidget::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.drawPixmap(0, 0, cache_.Pixmap(svg_, size(), devicePixelRatioF()));
}

void PictureWidget::mousePressEvent(QMouseEvent* event) {
  if (on_press_) on_press_(*event);
}

void PictureWidget::mouseReleaseEvent(QMouseEvent* event) {
  if (on_release_) on_release_(*event);
  if (on_click_ && event->button() == Qt::LeftButton &&
      rect().contains(event->position().toPoint())) {
    on_click_();
  }
}

void PictureWidget::mouseMoveEvent(QMouseEvent* event) {
  if (on_move_) on_move_(*event);
}

}  // namespace vellaro::app
