#pragma once

#include <QWidget>
#include <functional>

namespace vellaro::app {

class SvgCache;

// One picture of the window. Like the pictures it stands for, it takes the mouse events
// over its whole rectangle: a picture without an action swallows them, so the pointer
// over a chip is not over the background.
class PictureWidget final : public QWidget {
 public:
  PictureWidget(SvgCache& cache, QString svg, const QRect& place, QWidget* parent);

  const QString& svg() const { return svg_; }

  // Mouse moves without a button held reach the picture only while one is set.
  void OnMove(std::function<void(QMouseEvent&)> handler);
  void OnPress(std::function<void(QMouseEvent&)> handler) { on_press_ = std::move(handler); }
  void OnRelease(std::function<void(QMouseEvent&)> handler) { on_release_ = std::move(handler); }
  // A left-button click: pressed and released over the picture.
  void OnClick(std::function<void()> handler);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;

 private:
  SvgCache& cache_;
  QString svg_;
  std::function<void(QMouseEvent&)> on_move_;
  std::function<void(QMouseEvent&)> on_press_;
  std::function<void(QMouseEvent&)> on_release_;
  std::function<void()> on_click_;
};

// Shows or hides `widget`, doing nothing when it already is so.
inline void SetShown(QWidget* widget, bool shown) {
  if (widget->isHidden() == shown) widget->setVisible(shown);
}

}  // namespace vellaro::app
