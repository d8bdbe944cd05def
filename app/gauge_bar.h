#pragma once

#include <QColor>
#include <QWidget>

namespace vellaro::app {

// A flat progress bar: the part done in its colour over a black track, without a frame or
// text. Painting two rectangles itself spares the window a style sheet, whose style
// object costs more memory and start-up time than all the gauges together.
class GaugeBar final : public QWidget {
 public:
  GaugeBar(const QColor& bar, int maximum, QWidget* parent);

  int value() const { return value_; }
  // Repaints only when the part done grows or shrinks by a whole pixel.
  void SetValue(int value);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  int DoneWidth() const;

  QColor bar_;
  int maximum_;
  int value_ = 0;
};

}  // namespace vellaro::app
